//
// Content, title and size of a built popup.
Z.zepContent = function (id, text) {
	de7(id + "_zepC").innerHTML = text;
};
function zepTitleSpan(id, text) {
	var sp = dmt.createElement("span"), st = sp.style;
	sp.id = id + "_zepTitle";
	st.position = "absolute";
	st.left = "0px";
	st.width = "100%";
	st.height = "20px";
	st.whiteSpace = "nowrap";
	st.paddingTop = "1px";
	st.paddingLeft = "3px";
	sp.innerHTML = text;
	return sp;
}
Z.zepTitle = function (id, tCol, ttCol, tStr) {
	var t = de7(id + "_zepT"), sp = zepTitleSpan(id, tStr);
	t.innerHTML = "";
	t.appendChild(sp);
	sp.style.color = ttCol;
	sp.style.backgroundColor = tCol;
};
zepCommand("zepSize");
//
// A size given by the page or a tooltip becomes the popup's designed size; the
// view may then hold it smaller (zepFit).
P.zepSizeObj = function (id, w, h) {
	var p = this.pars;
	w = zepNum(w);
	h = zepNum(h);
	if (w < Z.mnw || h < Z.mnh) {
		return;
	}
	p.dw = w;
	p.dh = h;
	zepSizeTo(this, id, w, h);
	zepFit(this, id);
};
function zepSizeTo(z, id, w, h) {
	var p = z.pars, zz = Z, b = p.bwh, s = p.shs, pd = p.cpad, T = p.tsp, ash, c;
	if (w < zz.mnw || h < zz.mnh) {
		return;
	}
	zepPx(de7(id + "_zepB"), "width", w + 2 * b);
	zepPx(de7(id + "_zepB"), "height", h + 2 * b);
	zepPx(de7(id + "_zepS"), "width", w + 2 * b);
	zepPx(de7(id + "_zepS"), "height", h + 2 * b);
	zepPx(de7(id + "_zepT"), "width", w);
	c = de7(id + "_zepC");
	if (zepQuirks()) {
		zepPx(c, "width", w);
		zepPx(c, "height", h - T);
	} else {
		zepPx(c, "width", w - 2 * pd);
		zepPx(c, "height", h - T - 2 * pd);
	}
	if (p.ir9 == 1) {
		zepPx(de7(id + "_rsize"), "left", w + 2 * b - 9);
		zepPx(de7(id + "_rsize"), "top", h + 2 * b - 9);
	}
	zepCloseAt(z, id, w);
	ash = zz.ush ? de7(id + "_ash") : null;
	if (ash) {
		zepPx(ash, "width", w + 2 * b + s);
		zepPx(ash, "height", h + 2 * b + s);
	}
	p.zepw = w;
	p.zeph = h;
}
//
// The close control: a 20 x 20 picture at the box's top right. On a touch
// screen its hit area grows to 44 x 44 around the same picture.
function zepCloseAt(z, id, w) {
	var b = z.pars.bwh, cl = de7(id + "_close"), k = zepMedia("(pointer: coarse)") ? 12 : 0;
	zepPx(cl, "left", w + b - 20 - k);
	zepPx(cl, "top", b - k);
	zepPx(cl, "width", 20 + 2 * k);
	zepPx(cl, "height", 20 + 2 * k);
}
//
//EndOfSection incAPI
