ZEPtooltip1="<p>Tip</p> "
