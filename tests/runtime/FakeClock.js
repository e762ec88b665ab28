// Test-only clock: replaces the page's timers and Date before any page script
// runs, so tests move time on with fakeClock.advance(ms). Timer callbacks run
// in due order (equal times in the order they were scheduled); an exception in
// a callback is recorded in fakeClock.errors instead of reaching the page.
(function () {
    var RealDate = window.Date;
    var base = RealDate.now();
    var now = 0, seq = 0, nextId = 1, timers = {};
    var clock = {errors: []};

    function schedule(fn, ms, repeat) {
        var id = nextId++;
        if (typeof fn != "function") {
            clock.errors.push("timer given a string: " + String(fn));
            return id;
        }
        ms = Math.max(0, Number(ms) || 0);
        timers[id] = {fn: fn, due: now + ms, every: repeat ? Math.max(1, ms) : 0, seq: seq++};
        return id;
    }
    function cancel(id) {
        delete timers[id];
    }
    function nextDue(limit) {
        var best = null, id;
        for (id in timers) {
            var t = timers[id];
            if (t.due <= limit && (best === null || t.due < timers[best].due ||
                    (t.due == timers[best].due && t.seq < timers[best].seq))) {
                best = id;
            }
        }
        return best;
    }
    clock.advance = function (ms) {
        var limit = now + ms, id, t;
        while ((id = nextDue(limit)) !== null) {
            t = timers[id];
            now = t.due;
            if (t.every) {
                t.due += t.every;
                t.seq = seq++;
            } else {
                delete timers[id];
            }
            try {
                t.fn();
            } catch (e) {
                clock.errors.push(String(e && e.stack ? e.stack : e));
            }
        }
        now = limit;
        return now;
    };
    clock.now = function () {
        return now;
    };
    // Moves the calendar to the moment ms (milliseconds since 1970) without
    // running or moving any timer.
    clock.setTime = function (ms) {
        base = ms - now;
    };
    clock.pending = function () {
        return Object.keys(timers).length;
    };

    function FakeDate() {
        if (!(this instanceof FakeDate)) {
            return new RealDate(base + now).toString();
        }
        if (arguments.length == 0) {
            return new RealDate(base + now);
        }
        return new (Function.prototype.bind.apply(RealDate, [null].concat([].slice.call(arguments))))();
    }
    FakeDate.prototype = RealDate.prototype;
    FakeDate.now = function () {
        return base + now;
    };
    FakeDate.UTC = RealDate.UTC;
    FakeDate.parse = RealDate.parse;

    window.setTimeout = function (fn, ms) {
        return schedule(fn, ms, false);
    };
    window.setInterval = function (fn, ms) {
        return schedule(fn, ms, true);
    };
    window.clearTimeout = cancel;
    window.clearInterval = cancel;
    window.Date = FakeDate;
    window.fakeClock = clock;
})();
