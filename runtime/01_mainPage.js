// The library's main section, continued: what a popup does to the page around
// it. A modal popup takes the Tab key, the select boxes and the tab stops and
// locks the page's scrolling; an anchored popup follows a page element. The
// section's end marker closes this file.
//
// Modal mask: the Tab key, the select boxes and the tab stops of the page.
function tabremove(e) {
	var ev = e || window.event;
	if (ev.keyCode != 9) {
		return true;
	}
	zepNoDefault(ev);
	return false;
}
//
// Takes the Tab key away (bOff true) or gives it back. Current browsers fire
// no key-press event for Tab, so the key-down listener is what stops it there.
function zepTabKeys(bOff) {
	var f = bOff ? zepListen : zepUnlisten;
	f("keypress", tabremove);
	f("keydown", tabremove);
}
//
// While a grey-out shows, the page behind does not scroll (wheel or touch): its
// root and body hide their overflow, and a popup's own content still scrolls.
// The locks are counted; the last release gives back the page's own overflow
// settings and scroll position.
var zepLocks = 0, zepKept = [];
function zepScrollLock(bOn) {
	var h = dmt.documentElement.style, b = dmt.body.style;
	if (bOn ? zepLocks++ > 0 : zepLocks == 0 || --zepLocks > 0) {
		return;
	}
	if (bOn) {
		zepKept = [h.overflow, b.overflow, window.pageXOffset, window.pageYOffset];
	}
	h.overflow = bOn ? "hidden" : zepKept[0];
	b.overflow = bOn ? "hidden" : zepKept[1];
	if (!bOn) {
		window.scrollTo(zepKept[2], zepKept[3]);
	}
}
function zepSelects(voh) {
	var f, i, j, sel;
	for (i = 0; i < dmt.forms.length; i++) {
		f = dmt.forms[i];
		sel = f.getElementsByTagName("select");
		for (j = 0; j < sel.length; j++) {
			if (!zepOwner(sel[j])) {
				sel[j].style.visibility = voh;
			}
		}
	}
}
function sbHide() {
	zepSelects(nvi);
}
function sbShow() {
	zepSelects(ivi);
}
//
// The page's select boxes and tab stops are those outside the popups: the modal
// popup's own controls stay usable. The saved tab indexes are written once while
// the stops are away, so a second show of the mask does not save the -1 values over them.
var tOff = false;
function zepStops(f) {
	var i, j, els, n = 0;
	for (i = 0; i < tNames.length; i++) {
		els = dmt.getElementsByTagName(tNames[i]);
		for (j = 0; j < els.length; j++) {
			if (!zepOwner(els[j])) {
				f(els[j], n++);
			}
		}
	}
}
function tiHide() {
	if (!tOff) {
		tOff = true;
		zepStops(function (e, n) {
			tInd[n] = e.tabIndex;
			e.tabIndex = "-1";
		});
	}
}
function tiShow() {
	if (tOff) {
		tOff = false;
		zepStops(function (e, n) {
			e.tabIndex = tInd[n];
			e.tabEnabled = true;
		});
	}
}
//
// Anchoring: the popup sits at an element's page position plus offsets.
Z.zepAnchor = function (uid, anchor, oX, oY) {
	mae(uid, anchor, oX, oY);
	adj(uid, anchor, oX, oY);
};
function rae(e) {
	var x = 0, y = 0;
	while (e) {
		x += e.offsetLeft;
		y += e.offsetTop;
		e = e.offsetParent;
	}
	return {x: x, y: y};
}
function mae(uid, anchor, oX, oY) {
	var e = de7(anchor), pos;
	if (!e) {
		return;
	}
	gsp();
	pos = rae(e);
	Z.eloc[uid] = pos;
	Z.zepLocation(uid, pos.x + zepNum(oX) - slt, pos.y + zepNum(oY) - sht, 0);
}
function adj(uid, anchor, oX, oY) {
	addRszEv(function () {
		mae(uid, anchor, oX, oY);
	});
}
//
//EndOfSection main
