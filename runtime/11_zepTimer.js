//
// Left tab: slides in when parked, parks when open.
P.toggleTab = function (uid) {
	if (parseInt(de7(uid + "_zepB").style.left, 10) >= 0) {
		Z.zepSlideOutLeft(uid);
	} else {
		Z.zepSlidein(uid);
	}
};
//
// Never again: the popup stays away for 999 days from the next page view on.
P.dontShowAgain = function () {
	this.mca(this.pars.uid + "_misC", "true", 86313600);
};
//
// Calls the function named by a dotted path from the global object with the arguments.
function zepApply(sPath, args) {
	var names = String(sPath).split("."), owner = window, f = window, i;
	if (!sPath) {
		return;
	}
	for (i = 0; i < names.length && f; i++) {
		owner = f;
		f = f[names[i]];
	}
	if (typeof f == "function") {
		f.apply(owner, args);
	}
}
function zepCall(sPath, id) {
	zepApply(sPath, [id]);
}
//
// Runs both commands of a pair in order; the second runs even when the first fails
// or hides the popup (a hide cancels only commands still pending).
function zepCallPair(sFirst, sSecond, id) {
	try {
		zepCall(sFirst, id);
	} finally {
		zepCall(sSecond, id);
	}
}
//
// Timed commands: fid1 and fid2 after int1 seconds, fid3 and fid4 after int1 + int2 seconds.
// An empty delay counts as 0; a new call cancels what an earlier call left pending.
P.zepTimer = function (id, fid1, fid2, fid3, fid4, int1, int2) {
	var d1 = zepNum(int1) * 1000, d2 = d1 + zepNum(int2) * 1000;
	this.zepTimerStop();
	this.tid1 = setTimeout(function () {
		zepCallPair(fid1, fid2, id);
	}, d1);
	this.tid2 = setTimeout(function () {
		zepCallPair(fid3, fid4, id);
	}, d2);
};
P.zepTimerStop = function () {
	clearTimeout(this.tid1);
	clearTimeout(this.tid2);
};
//
// Links without inline script: a click, mouse-over or mouse-out on an element
// with data-zep-click, data-zep-mouseover or data-zep-mouseout runs the calls
// listed there, each [guard, function path, arguments...]. A guard names a popup
// whose call is skipped while it is not to be shown; an argument {"v": name} is
// the page's variable of that name, or for "event" the event. A click link never
// follows its "#" address (mouse-over and mouse-out links have none).
function zepLink(e) {
	var ev = e || window.event, el = zepTarget(ev), calls, c, z, args, i, j;
	while (el && el.getAttribute && !el.getAttribute("data-zep-" + ev.type)) {
		el = el.parentNode;
	}
	if (!el || !el.getAttribute) {
		return;
	}
	if (ev.type == "click") {
		zepNoDefault(ev);
	}
	calls = JSON.parse(el.getAttribute("data-zep-" + ev.type) || "[]");
	for (i = 0; i < calls.length; i++) {
		c = calls[i];
		z = c[0] ? zepInst(c[0]) : null;
		if (!c[0] || (z && !z.pars.isc)) {
			args = [];
			for (j = 2; j < c.length; j++) {
				args.push(c[j] && c[j].v ? (c[j].v == "event" ? ev : window[c[j].v]) : c[j]);
			}
			zepApply(c[1], args);
		}
	}
}
zepListen("click", zepLink);
zepListen("mouseover", zepLink);
zepListen("mouseout", zepLink);
//
//EndOfSection zepTimer
