zep_tip="<p>Tip</p> "
zep_clicker="<p>Click</p> "
zep_note="<p>Note</p> "
