//
// Cookies: written for the whole site (path "/"), read back by exact name.
// SameSite=Lax (and Secure on https pages) lets current browsers keep them.
Z.zepSecure = window.location.protocol == "https:";
QEL.zep.zepInstance.prototype.mca = function (id, v, l) {
	var t = id + "=" + escape(v), d;
	if (l && l != 0) {
		d = new Date();
		d.setTime(d.getTime() + l * 1000);
		t += ";expires=" + d.toUTCString();
	}
	dmt.cookie = t + "; path=/; SameSite=Lax" + (Z.zepSecure ? "; Secure" : "");
};
QEL.zep.zepInstance.prototype.rca = function (id) {
	var parts = dmt.cookie.split(";"), i, c;
	for (i = 0; i < parts.length; i++) {
		c = parts[i].replace(/^ +/, "");
		if (c.indexOf(id + "=") == 0) {
			return unescape(c.substring(id.length + 1));
		}
	}
	return null;
};
//
// Once-per-session rule; true means the popup was already shown and is suppressed.
// Where the browser keeps no cookies, a site-wide countdown runs on the page alone.
QEL.zep.zepInstance.prototype.ac1 = function (id) {
	var me = this, p = this.pars, zz = QEL.zep, s = this.rca(id + "_s"), c;
	if (p.pcc != 1) {
		if (s) {
			return true;
		}
		this.mca(id + "_s", "true", 0);
		return false;
	}
	c = this.rca(id + "_p");
	this.mca(id + "_r", zz.alc, 0);
	if (s && c) {
		this.cca(id + "_p");
		return false;
	}
	if (s) {
		return true;
	}
	if (!c) {
		zz.alc = window.location.href;
		this.mca(id + "_s", "true", 0);
		this.mca(id + "_p", "true", p.tro);
		if (this.rca(id + "_s")) {
			this.cca(id + "_p");
		} else {
			setTimeout(function () {
				me.zepSiteShow(id);
			}, zepNum(p.tro) * 1000);
		}
	}
	return false;
};
//
// Site-wide waiting loop: the most recently loaded page shows the popup when the countdown ends.
QEL.zep.zepInstance.prototype.cca = function (id) {
	var me = this, uid = this.pars.uid;
	if (this.rca(uid + "_r") != QEL.zep.alc) {
		return;
	}
	if (!this.rca(id)) {
		this.zepSiteShow(uid);
		return;
	}
	setTimeout(function () {
		me.cca(id);
	}, 1000);
};
//
// The countdown has ended: show now, hide shf seconds later.
QEL.zep.zepInstance.prototype.zepSiteShow = function (uid) {
	QEL.zep.zepShow(uid);
	this.zepTimer(uid, "", "", "QEL.zep.zepHide", "", "", this.pars.shf);
};
//
//EndOfSection cookie
