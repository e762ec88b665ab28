//
// Left tab: slides in when parked, parks when open.
QEL.zep.zepInstance.prototype.toggleTab = function (uid) {
	if (parseInt(de7(uid + "_zepB").style.left, 10) >= 0) {
		QEL.zep.zepSlideOutLeft(uid);
	} else {
		QEL.zep.zepSlidein(uid);
	}
};
//
// Never again: the popup stays away for 999 days from the next page view on.
QEL.zep.zepInstance.prototype.dontShowAgain = function () {
	this.mca(this.pars.uid + "_misC", "true", 86313600);
};
//
// Calls the function named by a dotted path from the global object with the uid.
function zepCall(sPath, id) {
	var names = String(sPath).split("."), owner = window, f = window, i;
	if (!sPath) {
		return;
	}
	for (i = 0; i < names.length && f; i++) {
		owner = f;
		f = f[names[i]];
	}
	if (typeof f == "function") {
		f.call(owner, id);
	}
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
QEL.zep.zepInstance.prototype.zepTimer = function (id, fid1, fid2, fid3, fid4, int1, int2) {
	var d1 = zepNum(int1) * 1000, d2 = d1 + zepNum(int2) * 1000;
	this.zepTimerStop();
	this.tid1 = setTimeout(function () {
		zepCallPair(fid1, fid2, id);
	}, d1);
	this.tid2 = setTimeout(function () {
		zepCallPair(fid3, fid4, id);
	}, d2);
};
QEL.zep.zepInstance.prototype.zepTimerStop = function () {
	clearTimeout(this.tid1);
	clearTimeout(this.tid2);
};
//
//EndOfSection zepTimer
