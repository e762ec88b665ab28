//
// Slides: seven commands sharing one step routine; mode numbers 1 to 7. Each
// command stops the popup's slide and runs its start routine 200 ms later.
function zepSlide(sName, sStart) {
	zepCommand(sName);
	P[sName + "Obj"] = function (id) {
		this.slideLater(id, this[sStart]);
	};
}
zepSlide("zepSlidein", "slin");
zepSlide("zepSlideout", "slout");
zepSlide("zepSlideup", "slup");
zepSlide("zepSlideOutLeft", "sloutLeft");
zepSlide("zepSlideDownBottom", "sloutbottom");
zepSlide("zepSlideInRight", "slinright");
zepSlide("zepSlideUpTop", "sluptop");
P.slideLater = function (id, fStart) {
	var me = this;
	Z.drs = 1;
	clearInterval(this.sp7);
	clearTimeout(this.tos);
	this.tos = setTimeout(function () {
		fStart.call(me, id);
	}, 200);
};
//
// Steps every sis ms. With reduced motion the popup goes at once to where the
// steps would take it, and the end comes on the tick it would come on anyway.
P.slideRun = function (id, iMode) {
	var me = this, bx = de7(id + "_zepB"), pos, next, n = 1;
	if (zepStill()) {
		gsp();
		pos = [parseInt(bx.style.left, 10), parseInt(bx.style.top, 10)];
		while ((next = this.slideStep(id, iMode, pos[0], pos[1]))) {
			pos = next;
			n++;
		}
		this.zepMoveTo(id, iMode == 6 ? this.pars.zepx : pos[0], pos[1]);
	}
	this.sp7 = setInterval(function () {
		me.slide(id, iMode);
	}, n * sis);
};
//
// Start routines: place the popup where the movement begins, then step.
P.slin = function (id) {
	var p = this.pars;
	if (this.leftTabber) {
		this.zepMoveTo(id, -round10(p.zepw) + round10(p.zepxS), null);
	} else {
		this.zepMoveTo(id, -round10(this.outerW()) + mod10(p.zepx) - 100, null);
	}
	this.slideRun(id, 1);
};
P.slout = function (id) {
	wh5();
	this.slideRun(id, 2);
};
P.slup = function (id) {
	var p = this.pars;
	wh5();
	gsp();
	this.zepMoveTo(id, null, this.scrTop() + 100 + mod10(p.zepy) + round10(pht + p.zeph + 2 * p.bwh + 2 * p.tbw));
	this.slideRun(id, 3);
};
P.sloutLeft = function (id) {
	wh5();
	this.slideRun(id, 4);
};
P.sloutbottom = function (id) {
	wh5();
	this.slideRun(id, 5);
};
P.slinright = function (id) {
	var p = this.pars;
	wh5();
	this.zepMoveTo(id, pwh + round10(this.outerW()) + mod10(p.zepx) + 100, null);
	this.slideRun(id, 6);
};
P.sluptop = function (id) {
	wh5();
	this.slideRun(id, 7);
};
//
// Whether a slide in the given mode moves on from the box's current position.
P.slideGoes = function (id, iMode, left, top) {
	var p = this.pars, dx = delX[id], dy = delY[id], S = this.scrTop();
	switch (iMode) {
	case 1:
		return this.leftTabber ? left <= slt + dx - 10 : left <= p.zepx + slt + dx - 10;
	case 2:
		return left <= pwh + 100;
	case 3:
		return top > p.zepy + S + dy;
	case 4:
		return this.leftTabber ? left > -p.zepw + p.zepxS : left > -p.zepw - 100;
	case 5:
		return top < pht + 100;
	case 6:
		return left >= p.zepx + slt + dx - 10;
	default:
		return top > -p.zeph - 100;
	}
};
//
// The box position [left, top] after one 10-pixel step from (left, top), or null
// once the slide's limit is passed.
P.slideStep = function (id, iMode, left, top) {
	var p = this.pars, iStep = (iMode == 4 || iMode == 6 || iMode == 3 || iMode == 7) ? -10 : 10;
	if (!this.slideGoes(id, iMode, left, top)) {
		return null;
	}
	if (iMode == 1 || iMode == 2 || iMode == 4 || iMode == 6) {
		return [left + iStep, this.scrTop() + p.zepy + delY[id]];
	}
	return [p.zepx + delX[id], top + iStep];
};
//
// One step, or the end action once the limit is passed.
P.slide = function (id, iMode) {
	var bx = de7(id + "_zepB"), pos;
	gsp();
	pos = this.slideStep(id, iMode, parseInt(bx.style.left, 10), parseInt(bx.style.top, 10));
	if (pos) {
		this.zepMoveTo(id, pos[0], pos[1]);
		return;
	}
	Z.drs = 2;
	this.zepRescroll(id);
	clearInterval(this.sp7);
	this.slideEnd(id, iMode);
};
P.slideEnd = function (id, iMode) {
	var me = this, p = this.pars;
	if (iMode == 4) {
		addRszEv(function () {
			me.dorszzep(id, p.pla, p.fw7);
		});
		if (this.leftTabber) {
			return;
		}
	}
	if (iMode == 2 || iMode == 4) {
		this.zepHideObj(id);
		this.zepMoveTo(id, p.zepx, null);
	} else if (iMode == 5 || iMode == 7) {
		this.zepHideObj(id);
		this.zepMoveTo(id, null, p.zepy);
	} else if (iMode == 6) {
		this.zepMoveTo(id, p.zepx, null);
	}
};
//
//EndOfSection zepSlide
