// Test-only helpers loaded after the library: build popups from a parameter
// record with defaults and read back element geometry and style.
var zepOrder = ["bwh", "bc7", "isex", "oo7", "pla", "shf", "pcc", "tro", "tra", "issp", "plt", "rn", "cpad", "tbw",
    "is7", "isScr", "ifr", "fw7", "zepx", "zepy", "zepw", "zeph", "it9", "tc2", "tc3", "ib8", "is6", "shs", "sc5",
    "bng", "ir9", "cc6", "im5", "cnm", "if8", "it3", "msk", "rot"];
var zepDefaults = {bwh: 5, bc7: "#000080", isex: 0, oo7: 0, pla: 0, shf: 0, pcc: 0, tro: 0, tra: 0, issp: 0,
    plt: 0, rn: 1, cpad: 5, tbw: 0, is7: 0, isScr: 0, ifr: 0, fw7: 0, zepx: 100, zepy: 80, zepw: 300, zeph: 200,
    it9: 1, tc2: "#FFFFFF", tc3: "#000080", ib8: "#FFFFFF", is6: 1, shs: 6, sc5: "#000000", bng: 0, ir9: 1, cc6: 1,
    im5: 1, cnm: 0, if8: "10pt Arial", it3: "#000000", msk: 0, rot: 0};

function makePopup(uid, o) {
    var args = [uid], i, k;
    o = o || {};
    for (i = 0; i < zepOrder.length; i++) {
        k = zepOrder[i];
        args.push(k in o ? o[k] : zepDefaults[k]);
    }
    if (o.lim) {
        args.push(o.lim);
    }
    window[uid] = Reflect.construct(QEL.zep.zepInstance, args);
    return window[uid];
}
function buildPopup(uid, o, text, title) {
    makePopup(uid, o);
    return window[uid].zep(uid, text === undefined ? "Hello" : text, title === undefined ? "Title" : title);
}
function geo(id) {
    var e = document.getElementById(id), s;
    if (!e) {
        return null;
    }
    s = getComputedStyle(e);
    return {left: parseInt(e.style.left, 10), top: parseInt(e.style.top, 10), width: parseInt(e.style.width, 10),
        height: parseInt(e.style.height, 10), vis: s.visibility, op: parseFloat(s.opacity),
        z: parseInt(s.zIndex, 10) || 0, pos: s.position, rect: e.getBoundingClientRect().toJSON()};
}
// Advances the fake clock by step ms until ms have passed and records each
// change of one geo() property of the element, starting with its current value.
function trace(id, prop, ms, step) {
    var seen = [], v, t;
    step = step || 5;
    for (t = 0; t <= ms; t += step) {
        if (t > 0) {
            fakeClock.advance(step);
        }
        v = geo(id)[prop];
        if (seen.length == 0 || seen[seen.length - 1] !== v) {
            seen.push(v);
        }
    }
    return seen;
}
function mouseAt(x, y, type) {
    document.dispatchEvent(new MouseEvent(type || "mousemove", {clientX: x, clientY: y, bubbles: true}));
}
