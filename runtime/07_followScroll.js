//
// Follow-scroll: fixed positioning where the browser offers it, else a scroll handler.
// Popups left without elements by the probability test are skipped.
P.zepScroll = function (id, p, s) {
	var me = this, zz = Z, i, bx, sh, pos;
	this.pars.isScr = s;
	for (i = 0; i < zz.zepuids.length; i++) {
		if (zz.zepuids[i] == id) {
			zz.zepscr[i] = s;
		}
	}
	if (Z.mie && (!Z.ie7p || !sct) && !Z.op) {
		if (!this.scrEv) {
			this.scrEv = 1;
			addScrEv(function () {
				me.doscrzep(id);
			});
		}
		return;
	}
	for (i = 0; i < zz.zepuids.length; i++) {
		pos = zz.zepscr[i] == 1 ? "fixed" : "absolute";
		bx = de7(zz.zepuids[i] + "_zepB");
		sh = de7(zz.zepuids[i] + "_zepS");
		if (bx && sh) {
			bx.style.position = pos;
			sh.style.position = pos;
		}
	}
};
//
// Scroll handler of one popup: it moves only its own popup, and only while
// its follow-scroll flag is on.
P.doscrzep = function (id) {
	var zz = Z, i;
	for (i = 0; i < zz.zepuids.length; i++) {
		if (zz.zepuids[i] == id && zz.zepscr[i] == 1) {
			this.getScr(id);
		}
	}
};
//
// Keeps the popup at its place in the view: its location, or for an anchored
// popup the anchor's position plus the offsets, both plus the scroll offsets.
P.getScr = function (id) {
	var p = this.pars, a = Z.eloc[id];
	if (Z.drs == 1) {
		return;
	}
	gsp();
	if (p.pla == 10) {
		if (!a) {
			return;
		}
		ctw = a.x + zepNum(p.zepxS);
		cth = a.y + zepNum(p.zepyS);
	} else {
		this.sth(id, p.pla);
	}
	this.zepMoveTo(id, slt + ctw + delX[id], sht + cth + delY[id]);
};
//
//EndOfSection followScroll
