//
// Exit intent: armed once the pointer has been inside the page, fired once
// when it then comes within exof pixels of the top or the left edge.
function mouseexit(e) {
	var zz = Z;
	zepMouse(e);
	gsp();
	if (zz.goex == 0 && Mousey > sht + zz.exof && Mousex >= slt + zz.exof) {
		zz.goex = 1;
	}
	if (zz.goex == 1 && (Mousex <= slt + zz.exof || Mousey <= sht + zz.exof)) {
		zz.goex = 2;
		runCmdSet();
	}
}
//
// Exit intent on touch screens: once the visitor has scrolled down a quarter of
// the page's scrollable height, a quick scroll back up (200 px or more, at 1 px/ms
// or faster, within the last 300 ms) counts as leaving, once per page as above.
var zepTrail = [], zepDown = 0;
function touchexit() {
	var zz = Z, d = miebody(), t = performance.now(), top = null, i, c;
	gsp();
	if (sht > 0 && sht >= (d.scrollHeight - d.clientHeight) / 4) {
		zepDown = 1;
	}
	zepTrail.push([t, sht]);
	while (zepTrail[0][0] < t - 300) {
		zepTrail.shift();
	}
	for (i = 0; i < zepTrail.length; i++) {
		c = zepTrail[i];
		if (!top || c[1] > top[1]) {
			top = c;
		}
	}
	if (zepDown && zz.goex != 2 && top[1] - sht >= 200 && top[1] - sht >= t - top[0]) {
		zz.goex = 2;
		runCmdSet();
	}
}

//
// Dragging by the title bar or the content moves the popup; the grip resizes it.
// A mouse-down on a handle starts the drag; a one-finger touch does the same.
function amre(e) {
	zepListen("mousemove", mousemove);
	zepListen("mouseup", stmr);
	if (Z.mie) {
		window.event.cancelBubble = true;
		window.event.returnValue = false;
	}
	zepMouse(e);
	zepGrab(this);
	return false;
}
//
// Takes hold of the popup of handle el at the pointer position Mousex, Mousey.
function zepGrab(el) {
	var id = el.zepid, bx = de7(id + "_zepB"), rs;
	Z.nEl = id;
	if (el.id == id + "_rsize") {
		Z.resizing = 1;
		rs = de7(id + "_rsize");
		ResizexDiff = parseInt(rs.style.left, 10) - Mousex;
		ResizeyDiff = parseInt(rs.style.top, 10) - Mousey;
	} else {
		Z.moving = 1;
		MovexDiff = parseInt(bx.style.left, 10) - Mousex;
		MoveyDiff = parseInt(bx.style.top, 10) - Mousey;
		de7(id + "_zepS").style.zIndex = ++z_index;
		bx.style.zIndex = ++z_index;
	}
}
function mousemove(e) {
	var ev = Z.mie ? window.event : e;
	zepMouse(e);
	zepNoDefault(ev);
	if (Z.mie) {
		ev.cancelBubble = true;
		if (!Z.op && ev.button != 1) {
			Z.moving = 0;
			Z.resizing = 0;
			return true;
		}
	}
	return zepDragStep();
}
//
// Schedules the move or resize to the pointer; inside the window's edge band the
// drag ends and the event is let through (true), otherwise it is swallowed (false).
function zepDragStep() {
	var x = Mousex, y = Mousey, oy = window.pageYOffset || 0, ox = window.pageXOffset || 0;
	if (Z.moving) {
		setTimeout(move, 10);
	}
	if (Z.resizing) {
		setTimeout(resize, 10);
	}
	if (x <= 10 || y <= oy + 5 || x >= window.innerWidth + ox - 16 || y >= window.innerHeight + oy - 16) {
		Z.moving = 0;
		Z.resizing = 0;
		return true;
	}
	return false;
}
function move() {
	var id = Z.nEl, z = zepInst(id), p = z.pars, x = Mousex + MovexDiff, y = Mousey + MoveyDiff;
	delX[id] = x - p.zepx - slt;
	delY[id] = y - p.zepy - sht;
	z.zepMoveTo(id, x, y);
}
function resize() {
	var id = Z.nEl, p = zepInst(id).pars, zz = Z, b = p.bwh, pd = zepQuirks() ? 0 : p.cpad, s = p.shs;
	var R = Mousex + ResizexDiff + 9, D = Mousey + ResizeyDiff + 9, ash;
	var w = Math.max(R, zz.mnw + 2 * b), h = Math.max(D, zz.mnh + 2 * b);
	zepPx(de7(id + "_rsize"), "left", Math.max(R - 9, zz.mnw + 2 * b - 9));
	zepPx(de7(id + "_rsize"), "top", Math.max(D - 9, zz.mnh + 2 * b - 9));
	zepPx(de7(id + "_zepB"), "width", w);
	zepPx(de7(id + "_zepB"), "height", h);
	zepPx(de7(id + "_zepS"), "width", w);
	zepPx(de7(id + "_zepS"), "height", h);
	ash = zz.ush ? de7(id + "_ash") : null;
	if (ash) {
		zepPx(ash, "width", Math.max(R + s, zz.mnw + 2 * b + s));
		zepPx(ash, "height", Math.max(D + s, zz.mnh + 2 * b + s));
	}
	zepPx(de7(id + "_zepT"), "width", Math.max(R - 2 * b, zz.mnw));
	zepPx(de7(id + "_zepC"), "width", Math.max(R - 2 * b - 2 * pd, zz.mnw - 2 * pd));
	zepPx(de7(id + "_zepC"), "height", Math.max(D - 2 * b - p.tsp - 2 * pd, zz.mnh - p.tsp - 2 * pd));
	zepCloseAt(zepInst(id), id, Math.max(R - 2 * b, zz.mnw));
}
function stmr() {
	zepUnlisten("mousemove", mousemove);
	zepUnlisten("mouseup", stmr);
	zepTouchListen(false);
	Z.moving = 0;
	Z.resizing = 0;
}
//
// Touch: one finger on a handle drags like the mouse. The start listener stays
// passive so that pages scroll freely; the move listener, added only while a
// drag runs, cancels the touch's scrolling.
function zepTouchAt(e) {
	Mousex = e.touches[0].pageX;
	Mousey = e.touches[0].pageY;
}
function zepTouchStart(e) {
	var el = e.target;
	while (el && !(el.zepid && el.onmousedown == amre)) {
		el = el.parentNode;
	}
	if (!el || e.touches.length != 1) {
		return;
	}
	zepTouchAt(e);
	zepGrab(el);
	zepTouchListen(true);
}
function zepTouchMove(e) {
	if (e.touches.length != 1) {
		stmr();
		return;
	}
	zepTouchAt(e);
	if (!zepDragStep() && e.cancelable) {
		e.preventDefault();
	}
}
function zepTouchListen(bOn) {
	var f = bOn ? "addEventListener" : "removeEventListener";
	if (!dmt.addEventListener) {
		return;
	}
	dmt[f]("touchmove", zepTouchMove, {capture: true, passive: false});
	dmt[f]("touchend", stmr, true);
	dmt[f]("touchcancel", stmr, true);
}
if (dmt.addEventListener) {
	dmt.addEventListener("touchstart", zepTouchStart, {capture: true, passive: true});
}
//
//EndOfSection moveResize
