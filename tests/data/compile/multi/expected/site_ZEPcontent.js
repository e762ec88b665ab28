zep_first="<p>One</p> "
zep_leave="<p>Two</p> "
zep_veil="<p>Three</p> "
