//
// Cookies: written for the whole site (path "/"), read back by exact name.
// SameSite=Lax (and Secure on https pages) lets current browsers keep them.
Z.zepSecure = window.location.protocol == "https:";
P.mca = function (id, v, l) {
	var t = id + "=" + escape(v), d;
	if (l && l != 0) {
		d = new Date();
		d.setTime(d.getTime() + l * 1000);
		t += ";expires=" + d.toUTCString();
	}
	dmt.cookie = t + "; path=/; SameSite=Lax" + (Z.zepSecure ? "; Secure" : "");
};
P.rca = function (id) {
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
P.ac1 = function (id) {
	var me = this, p = this.pars, zz = Z, s = this.rca(id + "_s"), c;
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
P.cca = function (id) {
	var me = this, uid = this.pars.uid;
	if (this.rca(uid + "_r") != Z.alc) {
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
P.zepSiteShow = function (uid) {
	Z.zepShow(uid);
	this.zepTimer(uid, "", "", "QEL.zep.zepHide", "", "", this.pars.shf);
};
//
//
// Schedule, page views and show limits, decided once per page view when the
// page builds the popup (or earlier, when the popups compete for the one popup
// of a page view). pars.lim holds the rules the popup uses: st and en the
// start and the end ("YYYY-MM-DD HH:MM", the end left out), wd the weekdays
// (seven 0 or 1, Monday first), ft and tt a daily window (tt left out; earlier
// than ft: over midnight, belonging to the day it starts), tz the zone they
// are read in (the visitor's own clock without it), pv the page view from
// which the popup shows, ms shows at most in the last md days.
//
// The wall clock at the moment d in the zone tz (the visitor's own without
// it): t "YYYY-MM-DD HH:MM" (the Swedish form is that one) and w the weekday,
// 0 for Monday.
function zepClock(d, tz) {
	var z = tz || undefined;
	return {t: d.toLocaleString("sv-SE", {timeZone: z}).substring(0, 16),
		w: "MonTueWedThuFriSatSun".indexOf(d.toLocaleString("en-US", {timeZone: z, weekday: "short"})) / 3};
}
//
// True when the moment d lies in the schedule l. A zone the browser does not
// know keeps the popup back. On the namespace, so that the editor's preview
// can ask which part of a schedule kept a popup back.
Z.sch = function (l, d) {
	var c, hm, w;
	try {
		c = zepClock(d, l.tz);
	} catch (e) {
		return false;
	}
	hm = c.t.substring(11);
	w = c.w;
	if ((l.st && c.t < l.st) || (l.en && c.t >= l.en)) {
		return false;
	}
	if (l.ft) {
		if (l.ft < l.tt) {
			if (hm < l.ft || hm >= l.tt) {
				return false;
			}
		} else if (hm < l.tt) {
			w = (w + 6) % 7;
		} else if (hm < l.ft) {
			return false;
		}
	}
	return !l.wd || l.wd.charAt(w) == "1";
};
//
// This page view's number on the site, counted once per page view in one
// cookie for the whole project (365 days).
function zepPageView(z) {
	if (!Z.pgv) {
		Z.pgv = (parseInt(z.rca("zepPageViews"), 10) || 0) + 1;
		z.mca("zepPageViews", Z.pgv, 31536000);
	}
	return Z.pgv;
}
//
// The popup's show times (seconds since 1970) in the last md days.
function zepShows(z) {
	var md = z.pars.lim.md * 86400, now = Date.now() / 1000;
	return (z.rca(z.pars.uid + "_shows") || "").split(".").filter(function (t) {
		return t && now - t < md;
	});
}
//
// Notes the popup's first show of the page view for its show limit. The
// cookie outlives the longest window, so no show inside it is forgotten.
function zepCountShow(z) {
	var l = z.pars.lim, t;
	if (l && l.ms && !z.shc) {
		z.shc = 1;
		t = zepShows(z);
		t.push(Math.floor(Date.now() / 1000));
		z.mca(z.pars.uid + "_shows", t.slice(-l.ms).join("."), Math.max(365, l.md) * 86400);
	}
}
//
// True when the popup's own rules keep it back on this page view: its
// schedule, the page view it shows from, its show limit or its probability.
// Decided once, so the probability is drawn once per page view; the page view
// is counted whatever the other rules decide.
function zepOwnKept(z) {
	var p = z.pars, l = p.lim || {}, view = l.pv ? zepPageView(z) : 0;
	if (p.kep === undefined) {
		p.kep = !Z.sch(l, new Date()) || view < l.pv || (!!l.ms && zepShows(z).length >= l.ms) ||
			Math.floor(Math.random() * p.rn) != 0;
	}
	return p.kep;
}
//
// True when a frequency rule keeps the popup back; reads its cookies only.
function zepFreqKept(z) {
	var p = z.pars, id = p.uid;
	if (p.issp == 1) {
		return !!z.rca(id + "_sp");
	}
	if (p.oo7 == 1) {
		return !!z.rca(id + "_s") && (p.pcc != 1 || !z.rca(id + "_p"));
	}
	return !!z.rca(id + "_misC");
}
//
// One popup per page view: of the popups that show by themselves, given with
// their priorities, only the one with the highest priority (the first of
// equals) is built; a popup its own or its frequency rules keep back does not
// compete. The others stay unbuilt and write no cookie.
Z.zepOnePerPage = function (list) {
	var best = null;
	list.forEach(function (c) {
		if (!zepOwnKept(c[0]) && !zepFreqKept(c[0]) && (!best || c[1] > best[1])) {
			best = c;
		}
	});
	list.forEach(function (c) {
		c[0].pars.lost = c != best;
	});
};
//
//EndOfSection cookie
