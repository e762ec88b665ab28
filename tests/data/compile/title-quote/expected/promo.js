@HEADER@
@GATE1@
if(rf){
function initZEP(){bdf=0;
// *** Begin advanced user scripting area ***
  htmlstring="<p class=\"x\">Hello</p> ";
  promo = new QEL.zep.zepInstance("promo", 2, "#1C5EA2", 0, 0, 1, 0, 0, 0, 0, 0, 0, 1, 4, 0, 0, 0, 0, 0, 25, 10, 300, 200, 1, "#000080", "#00FFFF", "#C0C0C0", 1, 5, "#808080", 0, 0, 1, 1, 0, "10pt Verdana", "#804000", 0, 0);
  promo.zep("promo",htmlstring,"Say \"hi\" \\ <\/b>");
  if(!promo.pars.isc){ 
    QEL.zep.zepShow('promo');
  }
// *** End advanced user scripting area ***
}
if(window.addEventListener){window.addEventListener('load', initZEP);}else{window.attachEvent('onload', initZEP);}
}
