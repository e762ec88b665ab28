//
// Follow-scroll: fixed positioning where the browser offers it, else a scroll handler.
// Popups left without elements by the probability test are skipped.
QEL.zep.zepInstance.prototype.zepScroll = function (id, p, s) {
	var me = this, zz = QEL.zep, i, pos, bx, sh;
	this.pars.isScr = s;
	for (i = 0; i < zz.zepuids.length; i++) {
		if (zz.zepuids[i] == id) {
			zz.zepscr[i] = s;
		}
	}
	if (mie && (!ie7p || !sct) && !op) {
		addScrEv(function () {
			me.doscrzep(id);
		});
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
// Scroll handler of one popup: it moves only its own popup.
QEL.zep.zepInstance.prototype.doscrzep = function (id) {
	var zz = QEL.zep, i;
	for (i = 0; i < zz.zepuids.length; i++) {
		if (zz.zepuids[i] == id && zz.zepscr[i] == 1) {
			this.getScr(id);
		}
	}
};
QEL.zep.zepInstance.prototype.getScr = function (id) {
	var p = this.pars;
	if (drs == 1) {
		return;
	}
	gsp();
	if (p.pla == 10 && QEL.zep.eloc[id]) {
		ctw = QEL.zep.eloc[id].x + zepNum(p.zepxS) - slt;
		cth = QEL.zep.eloc[id].y + zepNum(p.zepyS) - sht;
	} else {
		this.sth(id, p.pla);
	}
	this.zepMoveTo(id, slt + ctw + delX[id], sht + cth + delY[id]);
};
//
//EndOfSection followScroll
