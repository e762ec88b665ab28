//
// Tooltip: the popup next to the pointer, hidden or faded out when the pointer leaves the trigger.
QEL.zep.zepInstance.prototype.zepTooltip = function (id, tid, w, h, zepOffX, zepOffY, zeptContent, zepCol, zepFade,
		event) {
	var trigger = de7(tid);
	this.zepLocationObj(id, zepOffX, zepOffY, 1, event);
	this.zepSizeObj(id, w, h);
	QEL.zep.zepContent(id, zeptContent);
	de7(id + "_zepC").style.backgroundColor = zepCol;
	if (zepFade == 1) {
		this.zepFadeinObj(id);
		trigger.onmouseout = function () {
			QEL.zep.zepFadeout(id);
		};
	} else {
		this.zepShowObj(id);
		trigger.onmouseout = function () {
			QEL.zep.zepHide(id);
		};
	}
};
//
//EndOfSection tooltip
