@HEADER@
@GATE1@
if(rf){
function initZEP(){bdf=0;
// *** Begin advanced user scripting area ***
  zep_zepMask="<link href=\"ZEPMask.css\" rel=\"stylesheet\" type=\"text/css\" /><div id=\"ZEPMask\">&nbsp;<\/div>";
  zepMask = new QEL.zep.zepInstance("zepMask", 0, "transparent", 0, 0, 1, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 2, 0, 0, 50, 50, 0, "#000000", "#000000", "transparent", 0, 0, "#000000", 0, 0, 0, 0, 0, "10pt Verdana", "#000000", 0, 0);
  zepMask.zep("zepMask",zep_zepMask,"");
  first = new QEL.zep.zepInstance("first", 2, "#1C5EA2", 0, 0, 1, 0, 0, 0, 0, 0, 0, 1, 4, 0, 0, 0, 0, 0, 25, 10, 300, 200, 1, "#000080", "#00FFFF", "#C0C0C0", 1, 5, "#808080", 0, 0, 1, 1, 0, "10pt Verdana", "#804000", 0, 0, {st:"2026-12-01 00:00",wd:"1111100",ft:"09:00",tt:"17:00",tz:"America/New_York",pv:3,ms:2,md:7});
  leave = new QEL.zep.zepInstance("leave", 2, "#1C5EA2", 1, 0, 1, 0, 0, 0, 0, 0, 0, 1, 4, 0, 0, 0, 0, 0, 25, 10, 300, 200, 1, "#000080", "#00FFFF", "#C0C0C0", 1, 5, "#808080", 0, 0, 1, 1, 0, "10pt Verdana", "#804000", 0, 0);
  veil = new QEL.zep.zepInstance("veil", 2, "#1C5EA2", 0, 0, 1, 0, 0, 0, 0, 0, 0, 1, 4, 0, 0, 0, 0, 0, 25, 10, 300, 200, 1, "#000080", "#00FFFF", "#C0C0C0", 1, 5, "#808080", 0, 0, 1, 1, 0, "10pt Verdana", "#804000", 1, 0);
  QEL.zep.zepOnePerPage([[first,0],[leave,0],[veil,5]]);
  first.zep("first",zep_first,"First");
    if(!first.pars.isc){ 
    QEL.zep.zepShow('first');
  }
  leave.zep("leave",zep_leave,"Leave");
  veil.zep("veil",zep_veil,"Veil");
    if(!veil.pars.isc){ 
    QEL.zep.zepShow('veil');
  }
  if(!veil.pars.isc)
    QEL.zep.zepShow('zepMask');
// *** End advanced user scripting area ***
}
if(window.addEventListener){window.addEventListener('load', initZEP);}else{window.attachEvent('onload', initZEP);}
}
function runCmdSet(){
    if(!leave.pars.isc){ 
    QEL.zep.zepShow('leave');
  }
}
