//
// Viewport size into pht (height) and pwh (width).
function wh5() {
	if (window.innerHeight) {
		pht = window.innerHeight;
		pwh = window.innerWidth;
	} else if (sct && dmt.documentElement) {
		pht = dmt.documentElement.clientHeight;
		pwh = dmt.documentElement.clientWidth;
	} else {
		pht = dmt.body.offsetHeight;
		pwh = dmt.body.offsetWidth;
	}
}
//
// Browser allowances for centring, edges and full-size modes, in pixels.
function zepAllow() {
	if (Z.mie && sct) {
		return {cV: 0, cH: 0, cB: 0, cR: 0, aW: 0, aH: 0};
	}
	if (Z.mie) {
		return {cV: 2, cH: 10, cB: 4, cR: 22, aW: 21, aH: 4};
	}
	return {cV: 0, cH: 8, cB: 0, cR: 18, aW: 17, aH: 0};
}
//
// Computes cth (top) and ctw (left) of location p in viewport coordinates.
P.sth = function (id, p) {
	var q = this.pars, a, B = 2 * q.bwh, T = 2 * q.tbw, oh, ow, midTop, botTop, midLeft, rightLeft, edgeLeft;
	if (p < 0 || p > 9) {
		return;
	}
	zepFit(this, id);
	wh5();
	a = zepAllow();
	oh = q.zeph + B + T;
	ow = q.zepw + B + T;
	midTop = pht / 2 - a.cV - oh / 2;
	botTop = pht - a.cB - (q.zeph + B);
	midLeft = pwh / 2 - a.cH - ow / 2;
	rightLeft = pwh - a.cR - ow;
	edgeLeft = this.leftTabber ? -q.zepw + q.zepxS : 0;
	cth = Math.floor([q.zepy, midTop, botTop, midTop, midTop, 0, 0, botTop, botTop, 0][p]);
	ctw = Math.floor([q.zepx, midLeft, pwh / 2 - a.cH - (q.zepw + B) / 2, edgeLeft, rightLeft, midLeft, edgeLeft,
		edgeLeft, rightLeft, rightLeft][p]);
};
//
// Placement at a location, kept on window resizes.
zepCommand("zepPlace");
P.zepPlaceObj = function (id, p, fw) {
	var me = this;
	setTimeout(function () {
		me.zeppl(id, p, fw);
	}, zeppdel);
};
P.zeppl = function (id, p, fw) {
	var me = this;
	gsp();
	this.sth(id, p);
	this.rsz(id, fw);
	addRszEv(function () {
		me.dorszzep(id, p, fw);
	});
	this.zepLocationObj(id, ctw, cth, 0);
};
//
// Full-size modes: the popup's size follows the viewport; left (and top) become 0.
P.rsz = function (id, fw) {
	var p = this.pars, a = zepAllow(), ext = 2 * p.bwh + 2 * p.tbw, w = p.zepw, h = p.zeph;
	this.fwm = fw;
	if (fw == 0) {
		return;
	}
	ctw = 0;
	w = pwh - a.aW - ext;
	if (fw == 2) {
		cth = 0;
		h = pht - a.aH - ext;
	}
	zepSizeTo(this, id, w, h);
};
//
// Re-placement on window resize; an anchored popup follows its anchor's own handler instead.
P.dorszzep = function (id, p, fw) {
	if (p == 10) {
		return;
	}
	wh5();
	gsp();
	delX[id] = 0;
	delY[id] = 0;
	this.sth(id, p);
	this.rsz(id, fw);
	this.zepLocationObj(id, ctw, cth, 0);
};
//
// Small views (phones): the view is the layout view, or the visual viewport
// where that is smaller.
function zepView() {
	var d = miebody(), v = window.visualViewport, w = d.clientWidth, h = d.clientHeight;
	if (v) {
		w = Math.min(w, v.width);
		h = Math.min(h, v.height);
	}
	return {w: w, h: h};
}
//
// What box and shadow add to the content size: borders, title borders and the shadow's offset.
function zepRim(z) {
	var p = z.pars;
	return 2 * p.bwh + 2 * p.tbw + p.shs;
}
//
// Whether the view holds the popup at its designed size with 8 px to spare on every side.
function zepFits(z) {
	var p = z.pars, v = zepView(), r = zepRim(z) + 16;
	return !v.w || !v.h || (p.dw + r <= v.w && p.dh + r <= v.h);
}
//
// Sizes the popup for the view and answers whether it had to be fitted. A popup
// that fits has its designed size (full-size modes: what rsz gave it). One that
// does not takes at most the view less 16 px, full width or height exactly the
// view's, and its content scrolls.
function zepFit(z, id) {
	var p = z.pars, v = zepView(), r = zepRim(z) + 16, B = 2 * p.bwh, fw = z.fwm || 0, c = de7(id + "_zepC");
	if (!c) {
		return false;
	}
	if (zepFits(z)) {
		if (z.fitted) {
			z.fitted = 0;
			c.style.overflow = p.is7 == 1 ? "auto" : "hidden";
			if (fw == 0) {
				zepSizeTo(z, id, p.dw, p.dh);
			}
		}
		return false;
	}
	z.fitted = 1;
	c.style.overflow = "auto";
	zepSizeTo(z, id, fw ? v.w - B : Math.min(p.dw, v.w - r), fw == 2 ? v.h - B : Math.min(p.dh, v.h - r));
	return true;
}
//
// Keeps a fitted popup's box and shadow 8 px inside the view along one axis
// (iAxis 0 across, 1 down); a full-size side lies on the view's edge.
function zepClamp(z, x, iAxis) {
	var p = z.pars, v = zepView(), o, fw = z.fwm || 0, size;
	gsp();
	o = z.iess() ? (iAxis ? sht : slt) : 0;
	size = (iAxis ? p.zeph : p.zepw) + zepRim(z);
	if (fw == 2 || (fw == 1 && !iAxis)) {
		return o;
	}
	return Math.max(o + 8, Math.min(x, o + (iAxis ? v.h : v.w) - 8 - size));
}
//
// A change of the view's size fits the popups placed by coordinates again, or
// gives them back their designed size and place; placed popups follow their
// own resize handlers.
addRszEv(function () {
	var u = Z.zepuids, i, z;
	for (i = 0; i < u.length; i++) {
		z = zepInst(u[i]);
		if (z && z.pars.pla == 0 && de7(u[i] + "_zepB") && (z.fitted || !zepFits(z))) {
			z.zepLocationObj(u[i], z.pars.zepx, z.pars.zepy, 0);
		}
	}
});
//
//EndOfSection absoluteLoc
