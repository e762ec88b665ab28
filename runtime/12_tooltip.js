//
// Tooltip: the popup next to the pointer, faded out or hidden when the pointer
// leaves the trigger element; each call replaces the mouse-out listener the
// previous call gave the trigger, and the page's own handlers stay.
// Assistive technology reads the tooltip's content as the trigger's description.
P.zepTooltip = function (id, tid, w, h, zepOffX, zepOffY, zeptContent, zepCol, zepFade,
		event) {
	var trigger = de7(tid), fade = zepFade == 1;
	zepAttr(de7(id + "_zepB"), {role: "tooltip"});
	zepAttr(trigger, {"aria-describedby": id + "_zepC"});
	this.zepLocationObj(id, zepOffX, zepOffY, 1, event);
	this.zepSizeObj(id, w, h);
	Z.zepContent(id, zeptContent);
	de7(id + "_zepC").style.backgroundColor = zepCol;
	if (fade) {
		this.zepFadeinObj(id);
	} else {
		this.zepShowObj(id);
	}
	if (trigger) {
		if (trigger.zepOut) {
			zepOn(trigger, "mouseout", trigger.zepOut, true);
		}
		trigger.zepOut = function () {
			if (fade) {
				Z.zepFadeout(id);
			} else {
				Z.zepHide(id);
			}
		};
		zepOn(trigger, "mouseout", trigger.zepOut);
	}
};
//
//EndOfSection tooltip
