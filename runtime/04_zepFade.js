//
// Fades: one page-wide interval each for fading in and out.
zepCommand("zepFadein");
zepCommand("zepFadeout");
P.zepFadeinObj = function (id) {
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
P.fadein = function (id) {
	fia += fii;
	if (fia <= 99) {
		zepOpa(de7(id + "_zepB"), fia);
		zepOpa(de7(id + "_zepS"), 3 * fia / 10);
	} else {
		clearInterval(fp5);
	}
};
P.zepFadeoutObj = function (id) {
	var me = this;
	clearInterval(fp5);
	clearInterval(fo4);
	foa = 99;
	Z.zepShow(id);
	zepOpa(de7(id + "_zepB"), Z.mie ? 100 : 99);
	zepOpa(de7(id + "_zepS"), 30);
	fo4 = setInterval(function () {
		me.fadeout(id);
	}, fos);
};
P.fadeout = function (id) {
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
