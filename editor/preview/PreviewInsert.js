// Inserts the HTML text at the start of the document body and runs its
// scripts in document order. Scripts parsed from HTML text never run, so each
// one is replaced by a fresh script element; an external script must have
// loaded (or failed) before the next script is put in, as it would be when
// the page itself held the text. window.brisolaPreviewInserted turns true
// once every script has run (or failed to load).
(function (html) {
    var holder = document.createElement("template"), scripts, next = 0;
    window.brisolaPreviewInserted = false;
    holder.innerHTML = html;
    scripts = Array.prototype.slice.call(holder.content.querySelectorAll("script"));
    function runNext() {
        var parsed, fresh, i;
        while (next < scripts.length) {
            parsed = scripts[next++];
            fresh = document.createElement("script");
            for (i = 0; i < parsed.attributes.length; i++) {
                fresh.setAttribute(parsed.attributes[i].name, parsed.attributes[i].value);
            }
            fresh.async = false;
            if (fresh.hasAttribute("src")) {
                fresh.onload = fresh.onerror = runNext;
                parsed.parentNode.replaceChild(fresh, parsed);
                return;
            }
            fresh.text = parsed.text;
            parsed.parentNode.replaceChild(fresh, parsed);
        }
        window.brisolaPreviewInserted = true;
    }
    document.body.insertBefore(holder.content, document.body.firstChild);
    runNext();
    return scripts.length;
})
