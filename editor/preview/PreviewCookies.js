// The preview keeps the visitor's cookies itself rather than in the browser's
// store, which would carry them from one preview to the next: each preview
// page gets a cookie store of its own that lives as long as the page, so
// every preview starts as a visitor's first visit.
(function () {
    var jar = {};
    function live(name) {
        var c = jar[name];
        if (c && c.expires !== null && c.expires <= Date.now()) {
            delete jar[name];
            return null;
        }
        return c || null;
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
            var fields = String(text).split(";"), pair = fields[0], at = pair.indexOf("="), i, field, expires = null;
            if (at < 0) {
                return;
            }
            for (i = 1; i < fields.length; i++) {
                field = fields[i].replace(/^\s+|\s+$/g, "");
                if (/^expires=/i.test(field)) {
                    expires = Date.parse(field.substring(8));
                } else if (/^max-age=/i.test(field)) {
                    expires = Date.now() + 1000 * parseInt(field.substring(8), 10);
                }
            }
            jar[pair.substring(0, at).replace(/^\s+|\s+$/g, "")] = {
                value: pair.substring(at + 1).replace(/^\s+|\s+$/g, ""),
                expires: isNaN(expires) ? null : expires
            };
        }
    });
})();
