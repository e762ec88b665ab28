//
// Drop-in from above the view, landing exactly on zepy; optional bounce.
zepCommand("zepDropin");
P.zepDropinObj = function (id) {
	var me = this;
	Z.drs = 1;
	clearInterval(ddp);
	setTimeout(function () {
		me.indl(id);
	}, 200);
};
P.outerH = function () {
	var p = this.pars;
	return p.zeph + 2 * p.bwh + 2 * p.tbw;
};
P.outerW = function () {
	var p = this.pars;
	return p.zepw + 2 * p.bwh + 2 * p.tbw;
};
P.scrTop = function () {
	return this.iess() ? sht : 0;
};
//
// Follow-scroll is turned on again when a movement ends.
P.zepRescroll = function (id) {
	if (this.pars.isScr == 1) {
		this.zepScroll(id, this.pars.pla, 1);
	}
};
//
// The visitor's browser asks for reduced motion: the moving effects put the
// popup at their end state at once instead of stepping it there.
function zepStill() {
	return zepMedia("(prefers-reduced-motion: reduce)");
}
P.indl = function (id) {
	var me = this, oh = this.outerH(), p = this.pars;
	nd9 = 0;
	ba5 = 40;
	clearInterval(ddp);
	if (zepStill()) {
		clearInterval(bp3);
		gsp();
		this.zepMoveTo(id, p.zepx + delX[id], p.zepy + delY[id] + this.scrTop());
		Z.drs = 2;
		this.zepRescroll(id);
		return;
	}
	ddp = setInterval(function () {
		me.dropdown(id, oh);
	}, dis);
};
P.dropdown = function (id, oh) {
	var me = this, p = this.pars, bx = de7(id + "_zepB"), S, top;
	clearInterval(bp3);
	gsp();
	S = this.scrTop();
	if (nd9 == 0) {
		this.zepMoveTo(id, null, S - 100 + mod10(p.zepy) - round10(oh));
		nd9 = 1;
	}
	top = parseInt(bx.style.top, 10);
	if (top < p.zepy + delY[id] + S) {
		this.zepMoveTo(id, p.zepx + delX[id], top + 10);
	} else {
		Z.drs = 2;
		clearInterval(ddp);
		if (p.bng == 1) {
			bp3 = setInterval(function () {
				me.bouncedown(id);
			}, 50);
		} else {
			this.zepRescroll(id);
		}
	}
};
P.bouncedown = function (id) {
	var top = parseInt(de7(id + "_zepB").style.top, 10);
	this.zepMoveTo(id, null, top - ba5);
	if (ba5 < 0) {
		ba5 += 10;
	}
	ba5 = -ba5;
	if (ba5 == 0) {
		clearInterval(bp3);
		this.zepRescroll(id);
	}
};
//
//EndOfSection zepDrop
