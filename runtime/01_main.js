//****** Brisola popup runtime library, script version 3.02 ******
//
// The library is cut into thirteen sections, each ended by its marker line; a
// section may go on in the next file (this one goes on in 01_mainPage.js).
// The compiler drops comment lines and blank lines, strips tabs and joins the
// remaining lines without separators, so every statement here ends in ";" or
// "}", comments stand on lines of their own and no string spans two lines.
//
// The assembled library runs inside a function of its own, so its routines and
// variables stay out of the page's global names. The page sees QEL, and the two
// names the linking scripts use without the QEL.zep prefix: rf and bdf. A second
// library on the same page leaves the first one serving every popup.
if (window.QEL && QEL.zep && QEL.zep.zepInstance) {
	return;
}
window.rf = true;
window.bdf = 0;
// Namespace with its tunables and the lists shared by all popups.
if (!window.QEL) {
	window.QEL = {};
}
if (!QEL.zep) {
	QEL.zep = {};
}
QEL.zep = {
	exof: 15,
	goex: 0,
	mxb: 15,
	mnh: 50,
	mnw: 50,
	mxp: 15,
	mxt: 5,
	ush: false,
	xpos: {},
	ypos: {},
	zepuids: [],
	zeppla: [],
	zepscr: [],
	alc: window.location.href,
	eloc: {},
	delX: {},
	delY: {},
	drs: 0,
	moving: 0,
	resizing: 0,
	ism3: 0
};
//
// Shared state and browser flags live on QEL.zep (Z), where the page's debug
// tools can read them; everything else is private to the library.
var Z = QEL.zep;
//
// Device tests offered to content and page scripts.
Z.uaHas = function (sText) {
	return navigator.userAgent.toLowerCase().indexOf(sText.toLowerCase()) != -1;
};
Z.isIpad = function () {
	return Z.uaHas("iPad");
};
Z.isIphone = function () {
	return Z.uaHas("iPhone");
};
Z.isIpod = function () {
	return Z.uaHas("iPod");
};
Z.isIdevice = function () {
	return Z.isIpad() || Z.isIphone() || Z.isIpod();
};
Z.isFirefox = function () {
	return Z.uaHas("Firefox");
};
//
// Library globals shared by every popup of the page.
var dsh = 0, sht = 0, slt = 0;
var ba5 = 0, nd9 = 0, absl = 1;
var fia = 0, foa = 100, fis = 15, fii = 2, fos = 5, foi = 2;
var ddp = 0, bp3 = 0, dis = 15, sis = 10, fp5 = 0, fo4 = 0;
var cth = 0, ctw = 0, pht = 0, pwh = 0;
var dmt = document, nbl = "none", ibl = "block", nvi = "hidden", ivi = "visible";
var sct = document.compatMode == "CSS1Compat";
var na = navigator.userAgent;
var tInd = [], tNames = ["a", "BUTTON", "TEXTAREA", "INPUT", "IFRAME"];
var delX = Z.delX, delY = Z.delY, zeppdel = 250;
var MovexDiff = 0, MoveyDiff = 0, ResizexDiff = 0, ResizeyDiff = 0;
var z_index = 10000, Mousex = 0, Mousey = 0;
//
// Browser flags, computed once.
function de7(id) {
	return dmt.getElementById(id);
}
var w37 = !!dmt.getElementById;
Z.mie = w37 && !!dmt.all;
var ns = w37 && !dmt.all;
Z.op = na.indexOf("Opera") != -1;
var opv = 0, op9 = false;
if (Z.op) {
	opv = na.charAt(na.indexOf("Opera") + 6);
	op9 = opv == 9;
}
var miv = 0;
Z.ieh = false;
Z.ie7p = false;
if (Z.mie) {
	miv = parseFloat(na.substring(na.indexOf("MSIE") + 5));
	Z.ieh = miv >= 5.5;
	Z.ie7p = miv >= 7;
}
function miebody() {
	return (sct && dmt.documentElement) ? dmt.documentElement : dmt.body;
}
//
// Small helpers used by every section.
function zepInst(id) {
	return window[String(id)];
}
function zepNum(v) {
	var n = parseFloat(v);
	return isNaN(n) ? 0 : n;
}
function round10(v) {
	return 10 * Math.round(v / 10);
}
function mod10(v) {
	return v - 10 * Math.floor(v / 10);
}
//
// Whether the visitor's browser answers the media query.
function zepMedia(sQuery) {
	return !!window.matchMedia && window.matchMedia(sQuery).matches;
}
function zepPx(e, sProp, v) {
	e.style[sProp] = v + "px";
}
function zepOpa(e, v) {
	if (Z.mie) {
		e.style.filter = "alpha(opacity=" + v + ")";
	} else {
		e.style.MozOpacity = v / 100;
		e.style.opacity = v / 100;
	}
}
function zepMouse(evt) {
	if (Z.mie) {
		Mousex = window.event.clientX + miebody().scrollLeft;
		Mousey = window.event.clientY + miebody().scrollTop;
	} else {
		Mousex = evt.pageX;
		Mousey = evt.pageY;
	}
}
function zepListen(sName, f) {
	if (Z.mie) {
		dmt.attachEvent("on" + sName, f);
	} else {
		dmt.addEventListener(sName, f, true);
	}
}
function zepNoDefault(ev) {
	if (ev.preventDefault) {
		ev.preventDefault();
	}
	ev.returnValue = false;
}
//
// Adds (or with bOff removes) a listener on the window or an element, beside
// whatever handlers the page set.
function zepOn(t, sName, f, bOff) {
	if (t.addEventListener) {
		t[bOff ? "removeEventListener" : "addEventListener"](sName, f, false);
	} else if (t.attachEvent) {
		t[bOff ? "detachEvent" : "attachEvent"]("on" + sName, f);
	}
}
//
// Page command by uid: QEL.zep.zepShow(id, ...) runs the popup's zepShowObj(id, ...).
// A failure (a popup that is missing or was not built) stays inside the library:
// the page's own error handling never sees it.
function zepCommand(sName) {
	Z[sName] = function (id) {
		var z = zepInst(id);
		try {
			z[sName + "Obj"].apply(z, arguments);
		} catch (e) {
		}
	};
}
function zepUnlisten(sName, f) {
	if (Z.mie) {
		dmt.detachEvent("on" + sName, f);
	} else {
		dmt.removeEventListener(sName, f, true);
	}
}
//
// Instance constructor: stores the parameters; builds nothing.
Z.zepInstance = function (uid, bwh, bc7, isex, oo7, pla, shf, pcc, tro, tra, issp, plt, rn, cpad, tbw, is7, isScr,
		ifr, fw7, zepx, zepy, zepw, zeph, it9, tc2, tc3, ib8, is6, shs, sc5, bng, ir9, cc6, im5, cnm, if8, it3, msk, rot, lim) {
	var zz = Z;
	this.pars = {
		uid: uid, bwh: Math.min(bwh, zz.mxb), bc7: bc7, isex: isex, oo7: oo7, pla: pla, shf: shf, pcc: pcc,
		tro: tro, tra: tra, issp: issp, plt: plt, rn: rn, cpad: Math.min(cpad, zz.mxp), tbw: Math.min(tbw, zz.mxt),
		is7: is7, isScr: isScr, ifr: ifr, fw7: fw7, zepx: zepx, zepy: zepy, zepw: Math.max(zepw, zz.mnw),
		zeph: Math.max(zeph, zz.mnh), it9: it9, tc2: tc2, tc3: tc3, ib8: ib8, is6: is6, shs: shs, sc5: sc5,
		bng: bng, ir9: ir9, cc6: cc6, im5: im5, cnm: cnm, if8: if8, it3: it3, msk: msk, rot: rot, lim: lim || null
	};
	this.pars.dw = this.pars.zepw;
	this.pars.dh = this.pars.zeph;
	this.pars.zepxS = zepx;
	this.pars.zepyS = zepy;
	this.pars.isc = 0;
	this.pars.tsp = 0;
	this.leftTabberObj = {lc: 3, tl: 6, bl: 7};
	if (this.pars.zepxS != 0) {
		this.leftTabber = pla == 3 || pla == 6 || pla == 7;
		if (this.leftTabber) {
			this.pars.zepxS = round10(parseInt(this.pars.zepxS, 10));
			this.pars.zepw = round10(parseInt(this.pars.zepw, 10));
		}
	}
	this.tos = 0;
	this.sp7 = 0;
	this.tid1 = 0;
	this.tid2 = 0;
};
//
// The methods every popup shares.
var P = Z.zepInstance.prototype;
//
// Absolute box: positioned in page coordinates, so scroll offsets are added.
P.iess = function () {
	return (Z.mie && (!Z.ie7p || !sct) && !Z.op) || this.pars.isScr == 0;
};
//
// Quirks box: CSS padding lies inside the content element's size.
function zepQuirks() {
	return Z.mie && !sct && !op9;
}
//
// Moves the box, the shim and the shadow (shs further right and down) together.
P.zepMoveTo = function (id, x, y) {
	var s = this.pars.shs, sh = de7(id + "_zepS"), bx = de7(id + "_zepB"), ash;
	if (x !== null) {
		zepPx(bx, "left", x);
		zepPx(sh, "left", x + s);
	}
	if (y !== null) {
		zepPx(bx, "top", y);
		zepPx(sh, "top", y + s);
	}
	ash = Z.ush ? de7(id + "_ash") : null;
	if (ash) {
		if (x !== null) {
			zepPx(ash, "left", x);
		}
		if (y !== null) {
			zepPx(ash, "top", y);
		}
	}
};
//
// Sets the visibility of all the popup's elements; the display word has no effect.
P.soh = function (id, bon, voh) {
	var p = this.pars, names = ["_zepB", "_close", "_zepC", "_zepT"], i, e;
	if (Z.ush) {
		names.push("_ash");
	}
	if (p.is6 == 1) {
		names.push("_zepS");
	}
	if (p.ir9 == 1) {
		names.push("_rsize");
	}
	de7(id + "_zepB").style.visibility = voh;
	for (i = 1; i < names.length; i++) {
		e = de7(id + names[i]);
		if (e) {
			e.style.visibility = voh;
		}
	}
};
//
// Hide: cancels the pending show and this popup's timed commands, tells the page, hides;
// the focus goes back to where it was before a modal popup took it.
zepCommand("zepHide");
P.zepHideObj = function (id) {
	var mask, foc = this.zepFoc;
	clearTimeout(dsh);
	this.zepTimerStop();
	if (typeof window.zepOnHide == "function") {
		window.zepOnHide(id);
	}
	this.soh(id, nbl, nvi);
	mask = zepInst("zepMask");
	if (this.pars.msk == 1 && mask) {
		mask.zepTimerStop();
		mask.soh("zepMask", nbl, nvi);
		if (Z.mie || Z.op) {
			sbShow();
			tiShow();
		} else {
			zepTabKeys(false);
			zepScrollLock(false);
		}
	}
	this.zepFoc = null;
	if (foc) {
		foc.focus();
	}
};
//
// Show: re-applies the stored position, becomes visible 250 ms later (a modal popup
// then takes the focus), resets fade opacities.
zepCommand("zepShow");
P.zepShowObj = function (id) {
	var me = this, bx = de7(id + "_zepB"), sh = de7(id + "_zepS"), bs = bx.style, ss = sh.style;
	zepCountShow(this);
	if (absl == 1 && Z.drs == 0 && !Z.ism3) {
		setTimeout(function () {
			me.zepLocationObj(id, me.pars.zepx, me.pars.zepy);
		}, 150);
	}
	dsh = setTimeout(function () {
		me.soh(id, ibl, ivi);
		me.zepFocusIn();
	}, 250);
	if (Z.mie) {
		bs.filter = "alpha(opacity=100)";
		if (!Z.op) {
			bs.filter = "";
		}
		ss.filter = "alpha(opacity=30)";
	} else {
		zepOpa(bx, 100);
		zepOpa(sh, 30);
	}
	if (this.pars.uid == "zepMask") {
		if (Z.mie || Z.op) {
			setTimeout(function () {
				sbHide();
				tiHide();
			}, 100);
		} else {
			zepTabKeys(true);
			zepScrollLock(true);
		}
	}
};
//
// Scroll offsets into sht (top) and slt (left).
function gsp() {
	if (Z.mie) {
		sht = miebody().scrollTop;
		slt = miebody().scrollLeft;
	} else {
		sht = window.pageYOffset;
		slt = window.pageXOffset;
	}
}
//
// Location: absolute (viewport coordinates) or relative to the mouse pointer.
zepCommand("zepLocation");
P.zepLocationObj = function (id, x, y, m, evt) {
	var p = this.pars;
	x = zepNum(x);
	y = zepNum(y);
	Z.ism3 = m ? 1 : 0;
	p.zepx = x;
	p.zepy = y;
	if (m) {
		zepMouse(evt);
		x += Mousex;
		y += Mousey;
		p.zepx = x;
		p.zepy = y;
	} else {
		gsp();
		if (this.iess()) {
			x += slt;
			y += sht;
		}
	}
	if (zepFit(this, id)) {
		x = zepClamp(this, x, 0);
		y = zepClamp(this, y, 1);
	}
	this.zepMoveTo(id, x, y);
};
//
// Resize and scroll listeners of the window: each call adds one more.
function addRszEv(f) {
	zepOn(window, "resize", f);
}
function addScrEv(f) {
	zepOn(window, "scroll", f);
}
