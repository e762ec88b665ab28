//
// Fades: one page-wide interval each for fading in and out.
zepCommand("zepFadein");
zepCommand("zepFadeout");
QEL.zep.zepInstance.prototype.zepFadeinObj = function (id) {
	var me = this;
	clearInterval(fp5);
	clearInterval(fo4);
	fia = 0;
	this.zepShowObj(id);
	zepOpa(de7(id + "_zepB"), 0);
	zepOpa(de7(id + "_zepS"), 0);
	fp5 = setInterval(function () {
		me.fadein(id);
	}, fis);
};
QEL.zep.zepInstance.prototype.fadein = function (id) {
	fia += fii;
	if (fia <= 99) {
		zepOpa(de7(id + "_zepB"), fia);
		zepOpa(de7(id + "_zepS"), 3 * fia / 10);
	} else {
		clearInterval(fp5);
	}
};
QEL.zep.zepInstance.prototype.zepFadeoutObj = function (id) {
	var me = this;
	clearInterval(fp5);
	clearInterval(fo4);
	foa = 99;
	QEL.zep.zepShow(id);
	zepOpa(de7(id + "_zepB"), Z.mie ? 100 : 99);
	zepOpa(de7(id + "_zepS"), 30);
	fo4 = setInterval(function () {
		me.fadeout(id);
	}, fos);
};
QEL.zep.zepInstance.prototype.fadeout = function (id) {
	foa -= foi;
	if (foa >= 1) {
		zepOpa(de7(id + "_zepB"), foa);
		zepOpa(de7(id + "_zepS"), 3 * foa / 10);
	} else {
		clearInterval(fo4);
		this.zepHideObj(id);
	}
};
//
//EndOfSection zepFade
