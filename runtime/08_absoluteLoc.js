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
QEL.zep.zepInstance.prototype.sth = function (id, p) {
	var q = this.pars, a, B = 2 * q.bwh, T = 2 * q.tbw, oh, ow, midTop, botTop, midLeft, rightLeft, edgeLeft;
	if (p < 0 || p > 9) {
		return;
	}
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
QEL.zep.zepInstance.prototype.zepPlaceObj = function (id, p, fw) {
	var me = this;
	setTimeout(function () {
		me.zeppl(id, p, fw);
	}, zeppdel);
};
QEL.zep.zepInstance.prototype.zeppl = function (id, p, fw) {
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
QEL.zep.zepInstance.prototype.rsz = function (id, fw) {
	var p = this.pars, a = zepAllow(), ext = 2 * p.bwh + 2 * p.tbw, w = p.zepw, h = p.zeph;
	if (fw == 0) {
		return;
	}
	ctw = 0;
	w = pwh - a.aW - ext;
	if (fw == 2) {
		cth = 0;
		h = pht - a.aH - ext;
	}
	this.zepSizeObj(id, w, h);
};
//
// Re-placement on window resize; an anchored popup follows its anchor's own handler instead.
QEL.zep.zepInstance.prototype.dorszzep = function (id, p, fw) {
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
//EndOfSection absoluteLoc
