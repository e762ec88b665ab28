// The visitor's world in the preview, set up before any page script runs:
// the clock (Date and the timers), the cookie store, the random numbers and,
// on a touch device, touch and a coarse pointer. The page's own scripts run
// unchanged on top of it. The editor starts every page view with the seed
// placed before this text: the visit's start time, the cookies the visitor
// holds, the visit's random draws and whether the device has touch.
(function (seed) {
    "use strict";
    var RealDate = window.Date, realSetTimeout = window.setTimeout.bind(window);
    var realClearTimeout = window.clearTimeout.bind(window), realNow = performance.now.bind(performance);
    var origin = realNow(), jump = 0, pinned = null;
    // Timers shorter than this are the effects' steps, not timed events of the popup.
    var minEventMs = 200;
    // How long a visitor leaving a touch page reads before scrolling back up.
    var exitScrollMs = 60;

    function now() {
        return pinned !== null ? pinned : seed.start + (realNow() - origin) + jump;
    }

    // Timers run at real speed; jumping the clock runs at once, in due order,
    // every timer that falls due on the way, each seeing its own due time.
    var timers = {}, scheduled = {}, nextId = 1, order = 0, native = null;

    function earliest(limit, minDelay) {
        var best = null, id, t;
        for (id in timers) {
            t = timers[id];
            if (t.due <= limit && t.delay >= minDelay &&
                    (best === null || t.due < timers[best].due ||
                     (t.due == timers[best].due && t.order < timers[best].order))) {
                best = id;
            }
        }
        return best;
    }
    function arm() {
        var first = earliest(Infinity, 0);
        if (native !== null) {
            realClearTimeout(native);
        }
        native = first === null ? null : realSetTimeout(run, Math.max(0, timers[first].due - now()));
    }
    function run() {
        var limit = now(), id, t;
        native = null;
        while ((id = earliest(limit, 0)) !== null) {
            t = timers[id];
            if (t.every) {
                t.due += t.every;
                t.order = order++;
            } else {
                delete timers[id];
            }
            scheduled[id].fired = true;
            pinned = Math.max(t.due, pinned === null ? 0 : pinned);
            try {
                t.fn.apply(window, t.args);
            } catch (e) {
                console.error(e && e.stack ? e.stack : String(e));
            }
        }
        pinned = null;
        arm();
    }
    function schedule(fn, ms, args, repeat) {
        var id = nextId++, delay = Math.max(0, Number(ms) || 0);
        if (typeof fn != "function") {
            fn = new Function(String(fn));
        }
        timers[id] = {fn: fn, args: args, delay: delay, due: now() + delay, every: repeat ? Math.max(1, delay) : 0,
                      order: order++};
        scheduled[id] = {delay: delay, due: timers[id].due, fired: false};
        arm();
        return id;
    }
    function cancel(id) {
        delete timers[id];
        arm();
    }
    window.setTimeout = function (fn, ms) {
        return schedule(fn, ms, Array.prototype.slice.call(arguments, 2), false);
    };
    window.setInterval = function (fn, ms) {
        return schedule(fn, ms, Array.prototype.slice.call(arguments, 2), true);
    };
    window.clearTimeout = cancel;
    window.clearInterval = cancel;

    function VisitorDate() {
        if (!(this instanceof VisitorDate)) {
            return new RealDate(now()).toString();
        }
        if (arguments.length == 0) {
            return new RealDate(now());
        }
        return new (Function.prototype.bind.apply(RealDate, [null].concat([].slice.call(arguments))))();
    }
    VisitorDate.prototype = RealDate.prototype;
    VisitorDate.now = now;
    VisitorDate.UTC = RealDate.UTC;
    VisitorDate.parse = RealDate.parse;
    window.Date = VisitorDate;

    // The visit's draws, in order; the list repeats when a page asks for more.
    var drawn = [];
    Math.random = function () {
        var v = seed.draws[drawn.length % seed.draws.length];
        drawn.push(v);
        return v;
    };

    // The visitor's cookies, kept here rather than in the browser's store so
    // that they expire by the visitor's clock.
    var jar = seed.jar, held = JSON.parse(JSON.stringify(seed.jar)), written = {};
    function live(name) {
        var c = jar[name];
        if (c && c.expires !== null && c.expires <= now()) {
            delete jar[name];
            return null;
        }
        return c || null;
    }
    function trim(s) {
        return s.replace(/^\s+|\s+$/g, "");
    }
    Object.defineProperty(document, "cookie", {
        configurable: true,
        get: function () {
            var parts = [], name;
            for (name in jar) {
                if (live(name)) {
                    parts.push(name + "=" + jar[name].value);
                }
            }
            return parts.join("; ");
        },
        set: function (text) {
            var fields = String(text).split(";"), at = fields[0].indexOf("="), i, field, expires = null, name;
            if (at < 0) {
                return;
            }
            for (i = 1; i < fields.length; i++) {
                field = trim(fields[i]);
                if (/^expires=/i.test(field)) {
                    expires = RealDate.parse(field.substring(8));
                } else if (/^max-age=/i.test(field)) {
                    expires = now() + 1000 * parseInt(field.substring(8), 10);
                }
            }
            name = trim(fields[0].substring(0, at));
            jar[name] = {value: trim(fields[0].substring(at + 1)), expires: isNaN(expires) ? null : expires};
            written[name] = jar[name].value;
            live(name);
        }
    });

    if (seed.touch) {
        var realMatch = window.matchMedia.bind(window), always = "(min-width: 0px)", never = "(min-width: 100000px)";
        Object.defineProperty(Navigator.prototype, "maxTouchPoints", {configurable: true, get: function () {
            return 5;
        }});
        window.ontouchstart = null;
        window.matchMedia = function (query) {
            return realMatch(String(query)
                .replace(/\(\s*(any-)?pointer\s*:\s*coarse\s*\)/gi, always)
                .replace(/\(\s*(any-)?pointer\s*:\s*fine\s*\)/gi, never)
                .replace(/\(\s*(any-)?hover\s*:\s*none\s*\)/gi, always)
                .replace(/\(\s*(any-)?hover\s*:\s*hover\s*\)/gi, never));
        };
    }

    function copyJar() {
        var copy = {}, name;
        for (name in jar) {
            if (live(name)) {
                copy[name] = {value: jar[name].value, expires: jar[name].expires};
            }
        }
        return copy;
    }
    function pointer(type, x, y) {
        document.dispatchEvent(new MouseEvent(type, {bubbles: true, clientX: x, clientY: y}));
    }

    // Which of its own rules kept the popup back on this page view, in the
    // order the library asks them: its schedule (the library's own test at
    // the visit's start, asked one part at a time), the page view it shows
    // from (the library's own count), its show limit (the show times the
    // visitor held). Null when none of them did: the probability draw did.
    function keptBy(popup) {
        var p = popup.pars, l = p.lim || {}, at = new RealDate(seed.start), part = null, day, shows, count = 0;
        var parts = [["start", {st: l.st}], ["end", {en: l.en}], ["window", {ft: l.ft, tt: l.tt}],
                     ["weekday", {ft: l.ft, tt: l.tt, wd: l.wd}]];
        function on(rule) {
            rule.tz = l.tz;
            return QEL.zep.sch(rule, at);
        }
        // The weekday mask of the one day d, Monday 0.
        function only(d) {
            return "000000".substring(0, d) + "1000000".substring(0, 7 - d);
        }
        if (!p.kep) {
            return null;
        }
        if (!on({})) {
            return {rule: "zone", tz: l.tz};
        }
        parts.forEach(function (each) {
            part = part || (on(each[1]) ? null : each[0]);
        });
        if (part) {
            // The day the daily window counts the moment in (over midnight: the day it started).
            for (day = 0; day < 7 && !on({ft: l.ft, tt: l.tt, wd: only(day)}); day++) {
            }
            return {rule: part, st: l.st, en: l.en, ft: l.ft, tt: l.tt, wd: l.wd, tz: l.tz, day: day,
                    clock: at.toLocaleString("sv-SE", {timeZone: l.tz || undefined}).substring(0, 16)};
        }
        if (l.pv && QEL.zep.pgv < l.pv) {
            return {rule: "view", pv: l.pv, view: QEL.zep.pgv};
        }
        shows = held[p.uid + "_shows"];
        unescape(shows ? shows.value : "").split(".").forEach(function (t) {
            count += t && seed.start / 1000 - t < l.md * 86400 ? 1 : 0;
        });
        return l.ms && count >= l.ms ? {rule: "shows", ms: l.ms, md: l.md, count: count} : null;
    }

    // What the editor asks of the page.
    window.brisolaPreview = {
        // The visitor as the page leaves it: the clock and the cookies.
        state: function () {
            return {now: now(), jar: copyJar()};
        },
        // Runs the clock on to the next timed event at once; false when none waits.
        skip: function () {
            var id = earliest(Infinity, minEventMs);
            if (id === null) {
                return false;
            }
            jump += Math.max(0, timers[id].due - now());
            run();
            return true;
        },
        // A visitor about to leave: with a mouse the pointer comes from inside
        // the page to its top edge; on a touch device the visitor scrolls down
        // the page, then quickly back up (the second scroll follows shortly).
        exit: function () {
            var w = window.innerWidth, h = window.innerHeight, root = document.documentElement;
            if (!seed.touch) {
                pointer("mousemove", Math.round(w / 2), Math.round(h / 2));
                pointer("mousemove", Math.round(w / 2), 0);
                return;
            }
            window.scrollTo(0, Math.max(root.scrollHeight, document.body.scrollHeight) - h);
            realSetTimeout(function () {
                window.scrollTo(0, 0);
            }, exitScrollMs);
        },
        // What the page shows of one popup and what its rules met on this visit.
        facts: function (uid) {
            var popup = window[uid], p = popup && popup.pars, box = document.getElementById(uid + "_zepB");
            var opening = popup && popup.tid1 !== undefined ? scheduled[popup.tid1] : null, layers = 1;
            while (window["zep_" + uid + layers] !== undefined) {
                layers++;
            }
            return {
                built: !!p, drawn: !!box, visible: !!box && getComputedStyle(box).visibility == "visible",
                isc: p ? p.isc : 0, rn: p ? p.rn : 1, issp: p ? p.issp : 0, plt: p ? p.plt : 0, oo7: p ? p.oo7 : 0,
                pcc: p ? p.pcc : 0, tro: p ? p.tro : 0, isex: p ? p.isex : 0, rot: p ? p.rot : 0, layers: layers,
                draw: drawn.length ? drawn[0] : -1, start: seed.start, now: now(), held: held,
                written: written, opening: opening, kept: p ? keptBy(popup) : null, lost: !!(p && p.lost)
            };
        }
    };
})
