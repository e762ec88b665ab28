@HEADER@
@GATE1@
if(rf){
function initZEP(){bdf=0;
// *** Begin advanced user scripting area ***
  zep_zepMask="<link href=\"ZEPMask.css\" rel=\"stylesheet\" type=\"text/css\" /><div id=\"ZEPMask\">&nbsp;<\/div>";
  zepMask = new QEL.zep.zepInstance("zepMask", 0, "transparent", 0, 0, 1, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 2, 0, 0, 50, 50, 0, "#000000", "#000000", "transparent", 0, 0, "#000000", 0, 0, 0, 0, 0, "10pt Verdana", "#000000", 0, 0);
  zepMask.zep("zepMask",zep_zepMask,"");
  htmlstring="<p class=\"x\">Hello</p> ";
  promo = new QEL.zep.zepInstance("promo", 2, "#1C5EA2", 0, 0, 1, 0, 0, 0, 0, 0, 0, 1, 4, 0, 0, 0, 0, 0, 25, 10, 300, 200, 1, "#000080", "#00FFFF", "#C0C0C0", 1, 5, "#808080", 0, 0, 1, 1, 0, "10pt Verdana", "#804000", 1, 0);
  promo.zep("promo",htmlstring,"Hello");
  var sp=dontshowagain.rca('promo_checked');
  if(sp!='true'){
      if(!promo.pars.isc){ 
    QEL.zep.zepShow('promo');
  }  if(!promo.pars.isc)
    QEL.zep.zepShow('zepMask');
    }
// *** End advanced user scripting area ***
}
if(window.addEventListener){window.addEventListener('load', initZEP);}else{window.attachEvent('onload', initZEP);}
}
function dontShowAgain(){if(document.getElementById('cCheck').checked){dontshowagain.mca('promo_checked',true,86313600);}else{dontshowagain.mca('promo_checked',false,86313600);}}
