//
// Iframe shim: an empty inline frame under the popup that covers windowed controls.
Z.zepiF = function (id, x, y, w, h) {
	var f = dmt.createElement("iframe"), st = f.style;
	f.id = id;
	f.src = "about:blank";
	f.frameBorder = "0";
	st.visibility = nvi;
	st.position = "absolute";
	zepPx(f, "left", x);
	zepPx(f, "top", y);
	zepPx(f, "width", w);
	zepPx(f, "height", h);
	return f;
};
//
//EndOfSection iframeShim
