//
// Rotation: successive page views show the main content, then contents 1, 2, ...
P.zepRotation = function (id) {
	var n = Number(this.rca(id + "_rotation")), sMain = window["zep_" + id];
	if (!n) {
		this.mca(id + "_rotation", "1", 86313600);
		Z.zepContent(id, sMain);
	} else if (typeof window["zep_" + id + n] != "undefined") {
		Z.zepContent(id, window["zep_" + id + n]);
		this.mca(id + "_rotation", String(n + 1), 86313600);
	} else {
		Z.zepContent(id, sMain);
		this.mca(id + "_rotation", "1", 86313600);
	}
};
//
// Creates a hidden, absolutely positioned element with the given id and geometry.
P.zepDiv = function (sId, x, y, w, h) {
	var d = dmt.createElement("div"), st = d.style;
	d.id = sId;
	st.position = "absolute";
	st.visibility = nvi;
	st.padding = "0px";
	zepPx(d, "left", x);
	zepPx(d, "top", y);
	zepPx(d, "width", w);
	zepPx(d, "height", h);
	return d;
};
//
// Build: creates the popup's elements, places it and applies the frequency rules.
// A popup that its own rules keep back (schedule, page views, show limit,
// probability) or that lost the page view's one place is not built at all.
P.zep = function (zepid, text, titletext) {
	var zz = Z, p = this.pars, uid = p.uid, id = uid;
	zz.zepuids.push(uid);
	zz.zeppla.push(p.pla);
	zz.zepscr.push(p.isScr);
	zz.xpos[uid] = p.zepx;
	zz.ypos[uid] = p.zepy;
	delX[uid] = 0;
	delY[uid] = 0;
	zz.ush = p.ifr == 1 && Z.ieh && !Z.op;
	p.tsp = p.it9 == 1 ? 20 : 0;
	if (!w37) {
		return p.isc;
	}
	if (p.lost || zepOwnKept(this)) {
		p.isc = 1;
		return p.isc;
	}
	this.zepElements(id, text, titletext);
	this.zepAria(id);
	this.zepHandlers(id);
	if (p.isScr == 1 && Z.mie) {
		this.zepScroll(id, p.pla, 1);
	}
	if (p.pla != 0 && p.pla != 10) {
		this.zepPlaceObj(id, p.pla, p.fw7);
	} else if (p.pla == 10) {
		zz.zepAnchor(id, id + "_anchor", p.zepx, p.zepy);
	}
	this.zepRules(id);
	return p.isc;
};
P.zepElements = function (id, text, titletext) {
	var p = this.pars, W = p.zepw, H = p.zeph, b = p.bwh, t = p.tbw, s = p.shs, pd = p.cpad, T = p.tsp;
	var ext = Z.mie ? 2 * t : 0, pos = (p.isScr == 1 && (!Z.mie || (Z.ie7p && sct))) ? "fixed" : "absolute";
	var ash, sh, bx, ti, c, rs, cl;
	if (Z.ush) {
		ash = Z.zepiF(id + "_ash", p.zepx, p.zepy, W + 2 * b + s + ext, H + 2 * b + s + ext);
		ash.style.zIndex = ++z_index;
	}
	sh = this.zepDiv(id + "_zepS", p.zepx + s, p.zepy + s, W + 2 * b + 2 * t, H + 2 * b + 2 * t);
	sh.style.zIndex = ++z_index;
	sh.style.backgroundColor = p.sc5;
	zepOpa(sh, 30);
	bx = this.zepDiv(id + "_zepB", p.zepx, p.zepy, W + 2 * b, H + 2 * b);
	bx.style.zIndex = ++z_index;
	bx.style.backgroundColor = p.bc7;
	sh.style.position = pos;
	bx.style.position = pos;
	ti = this.zepDiv(id + "_zepT", b, b, W, 20);
	ti.style.backgroundColor = p.tc3;
	ti.style.color = p.tc2;
	ti.style.font = "bold 9pt Tahoma";
	ti.style.overflow = "hidden";
	ti.appendChild(zepTitleSpan(id, titletext));
	if (zepQuirks()) {
		c = this.zepDiv(id + "_zepC", b, b + T, W, H - T);
	} else {
		c = this.zepDiv(id + "_zepC", b, b + T, W - 2 * pd, H - T - 2 * pd);
	}
	c.style.backgroundColor = p.ib8;
	c.style.color = p.it3;
	c.style.font = p.if8;
	c.style.padding = pd + "px";
	c.style.overflow = p.is7 == 1 ? "auto" : "hidden";
	c.style.borderStyle = "inset";
	c.style.borderWidth = "0px";
	if (p.it9 != 1) {
		ti.style.height = "0px";
		zepPx(c, "top", b);
	}
	rs = this.zepDiv(id + "_rsize", W + 2 * b - 9, H + 2 * b - 9, 9, 9);
	cl = this.zepDiv(id + "_close", W + b - 20, b, 20, 20);
	if (!Z.mie) {
		c.innerHTML = text;
	}
	bx.appendChild(cl);
	if (p.ir9 == 1) {
		bx.appendChild(rs);
	}
	bx.appendChild(ti);
	bx.appendChild(c);
	if (Z.ush) {
		dmt.body.appendChild(ash);
	}
	dmt.body.appendChild(bx);
	dmt.body.appendChild(sh);
	if (Z.mie) {
		c.innerHTML = text;
	}
	if (p.ir9 == 1) {
		rs.style.backgroundImage = "url(resize.gif)";
		rs.style.backgroundRepeat = "no-repeat";
		rs.style.cursor = "NW-resize";
		rs.style.zIndex = ++z_index;
	}
	zepCloseAt(this, id, W);
	if (p.cc6 == 1) {
		cl.style.backgroundImage = "url(close.gif)";
		cl.style.backgroundRepeat = "no-repeat";
		cl.style.backgroundPosition = "center";
		cl.style.cursor = Z.mie ? "hand" : "pointer";
		cl.style.zIndex = ++z_index;
	}
	ti.zepid = id;
	c.zepid = id;
	if (p.ir9 == 1) {
		rs.zepid = id;
	}
	zepMaskFill(id);
};
//
// The grey-out's element fills the mask popup; set here through its style
// properties, the mask's HTML needs no style attribute.
function zepMaskFill(id) {
	var e = id == "zepMask" ? de7("ZEPMask") : null, st = e ? e.style : null;
	if (st) {
		st.position = "absolute";
		st.left = st.top = "0px";
		st.width = st.height = "100%";
	}
}
P.zepHandlers = function (id) {
	var me = this, p = this.pars;
	if (p.isex == 1) {
		setTimeout(function () {
			zepListen("mousemove", mouseexit);
			// The touch rule applies where the visitor has no fine pointer (such
			// browsers all measure time with performance.now).
			if (window.matchMedia && !zepMedia("(any-pointer: fine)")) {
				zepOn(window, "scroll", touchexit);
			}
		}, 1000);
	}
	if (p.ir9 == 1) {
		de7(id + "_rsize").onmousedown = amre;
	}
	if (p.im5 == 1) {
		de7(id + "_zepT").style.cursor = "move";
		de7(id + "_zepT").onmousedown = amre;
	}
	if (p.cnm == 1) {
		de7(id + "_zepC").style.cursor = "move";
		de7(id + "_zepC").onmousedown = amre;
	}
	if (p.cc6 == 1) {
		de7(id + "_close").onclick = function () {
			me.zepHideObj(id);
		};
		de7(id + "_close").onkeydown = zepPressKeys;
	}
};
//
// Enter and Space on the close control act as a click on it.
function zepPressKeys(e) {
	var k = (e || window.event).keyCode;
	if (k == 13 || k == 32) {
		this.click();
		return false;
	}
}
//
// Sets the attributes named in o on the element e, when there is one.
function zepAttr(e, o) {
	var k;
	for (k in o) {
		if (e) {
			e.setAttribute(k, o[k]);
		}
	}
}
//
// What assistive technology is told: the box is a dialog named by its title when
// the title bar shows, else by its uid, and modal with the grey-out; the close
// control is a button named "Close" and a Tab stop. The shadow, the grip, a close
// element without a close control and the whole modal mask are decoration. Hidden
// popups leave the accessibility tree through their CSS visibility. The box takes
// the focus itself when it holds nothing focusable, and carries the uid so that
// the focus code finds the popup of any element inside it.
P.zepAria = function (id) {
	var p = this.pars, bx = de7(id + "_zepB"), cl = de7(id + "_close"), decor = {"aria-hidden": "true"};
	bx.zepid = id;
	bx.tabIndex = -1;
	zepAttr(de7(id + "_zepS"), decor);
	zepAttr(de7(id + "_rsize"), decor);
	zepAttr(de7(id + "_ash"), decor);
	if (id == "zepMask") {
		zepAttr(bx, decor);
		return;
	}
	zepAttr(bx, p.it9 == 1 ? {role: "dialog", "aria-labelledby": id + "_zepTitle"} : {role: "dialog", "aria-label": id});
	if (p.msk == 1) {
		zepAttr(bx, {"aria-modal": "true"});
	}
	if (p.cc6 == 1) {
		cl.tabIndex = 0;
		zepAttr(cl, {role: "button", "aria-label": "Close"});
	} else {
		zepAttr(cl, decor);
	}
};
//
// Keyboard and focus. A shown modal popup keeps the focus: it takes it when it
// shows, Tab and Shift+Tab cycle through its own focusable elements, focus that
// lands anywhere else is brought back, and the focus returns to where it was when
// the popup hides. Escape closes the popup that holds the focus, else the shown
// modal popup, when that popup has a close control.
function zepOwner(e) {
	while (e && !e.zepid) {
		e = e.parentNode;
	}
	return e ? zepInst(e.zepid) : null;
}
function zepTarget(e) {
	var ev = e || window.event;
	return ev.target || ev.srcElement;
}
P.zepShown = function () {
	var bx = de7(this.pars.uid + "_zepB");
	return !!bx && bx.style.visibility == ivi;
};
function zepModal() {
	var u = Z.zepuids, i, z;
	for (i = u.length - 1; i >= 0; i--) {
		z = zepInst(u[i]);
		if (z && z.pars.msk == 1 && z.zepShown()) {
			return z;
		}
	}
	return null;
}
function zepCloses(z) {
	return !!z && z.pars.cc6 == 1 && z.zepShown();
}
//
// The popup's elements that Tab can reach, in document order.
P.zepTabbables = function () {
	var all = de7(this.pars.uid + "_zepB").querySelectorAll("a[href],button,input,select,textarea,iframe,[tabindex]");
	var r = [], i, e;
	for (i = 0; i < all.length; i++) {
		e = all[i];
		if (e.tabIndex >= 0 && !e.disabled && (e.offsetWidth || e.offsetHeight)) {
			r.push(e);
		}
	}
	return r;
};
//
// Focuses the next (iDir 1) or the previous (-1) of the popup's own elements,
// wrapping round; from outside the popup the first or the last one; the box
// itself when it holds nothing focusable.
P.zepFocusStep = function (iDir) {
	var f = this.zepTabbables(), n = f.length, i = 0;
	while (i < n && f[i] != dmt.activeElement) {
		i++;
	}
	if (i == n) {
		i = iDir > 0 ? -1 : 0;
	}
	(f[(i + iDir + n) % n] || de7(this.pars.uid + "_zepB")).focus();
};
P.zepFocusIn = function () {
	var a = dmt.activeElement;
	if (this.pars.msk == 1 && zepOwner(a) != this) {
		this.zepFoc = a;
		this.zepFocusStep(1);
	}
};
function zepKeyDown(e) {
	var ev = e || window.event, m = zepModal(), z;
	if (ev.keyCode == 9 && m) {
		zepNoDefault(ev);
		m.zepFocusStep(ev.shiftKey ? -1 : 1);
	} else if (ev.keyCode == 27) {
		z = zepOwner(zepTarget(ev));
		if (!zepCloses(z)) {
			z = m;
		}
		if (zepCloses(z)) {
			z.zepHideObj(z.pars.uid);
		}
	}
}
function zepFocusGuard(e) {
	var m = zepModal();
	if (m && zepOwner(zepTarget(e)) != m) {
		m.zepFocusStep(1);
	}
}
zepListen("keydown", zepKeyDown);
zepListen("focusin", zepFocusGuard);
//
// Display frequency and rotation; may set isc to 1 (not to be shown).
P.zepRules = function (id) {
	var p = this.pars;
	if (p.issp == 1) {
		if (this.rca(id + "_sp")) {
			p.isc = 1;
			return;
		}
		this.mca(id + "_sp", "true", p.plt);
		this.zepRotate(id);
		p.isc = 0;
		return;
	}
	if (p.oo7 == 1) {
		if (this.ac1(id)) {
			p.isc = 1;
			return;
		}
		this.zepRotate(id);
		p.isc = 0;
		return;
	}
	this.zepRotate(id);
	if (this.rca(id + "_misC")) {
		p.isc = 1;
	}
};
P.zepRotate = function (id) {
	if (this.pars.rot == 1) {
		this.zepRotation(id);
	}
};
//
//EndOfSection zep
