zep_promo="<p class=\"x\">Hello</p> "
