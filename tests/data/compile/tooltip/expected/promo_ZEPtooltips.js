ZEPtooltip1="<p class=\"x\">Hello</p> "
