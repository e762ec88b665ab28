zep_promo="<p class=\"x\">Hello</p> "
zep_promo1="<p>Second</p>"
