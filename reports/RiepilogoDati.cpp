#include "reports/Modelli.h"

QByteArray ModelloRiepilogoDati()
{
    return QByteArrayLiteral(R"({
  "report": "Riepilogo dati",
  "script": ["begin", "", "end."],
  "progress": false,
  "printer": "Default",
  "pages": [{
    "name": "Page",
    "paper": [210, 297],
    "orientation": "landscape",
    "margins": [10, 10, 10, 10],
    "bands": [
      {
        "name": "ReportTitle", "kind": "ReportTitle",
        "top": 18.89765, "height": 30.23624,
        "objects": [{
          "type": "memo", "name": "txtTitolo",
          "left": 7.55906, "top": 3.77953, "width": 1031.81169, "height": 18.89765,
          "fill": "#708090", "color": "#FFFFFF",
          "font": {"family": "Verdana", "size": 9, "bold": true},
          "align": "center", "valign": "center",
          "text": "Riepilogo"
        }]
      },
      {
        "name": "MasterData", "kind": "MasterData",
        "top": 105.82684, "height": 105.82684, "split": true,
        "objects": [{
          "type": "memo", "name": "txtRiepilogo",
          "left": 11.33859, "top": 0, "width": 1031.81169, "height": 102.04731,
          "color": "#000000",
          "font": {"family": "Courier New", "size": 8},
          "lineHeight": 12.822,
          "text": ""
        }]
      },
      {
        "name": "Footer", "kind": "Footer",
        "height": 30.23624,
        "objects": [{
          "type": "memo", "name": "txtPagina",
          "left": 11.33859, "top": 7.55906, "width": 1028.03216, "height": 18.89765,
          "fill": "#708090", "color": "#FFFFFF",
          "font": {"family": "Verdana", "size": 8, "bold": true},
          "align": "center", "valign": "center",
          "expressions": true,
          "text": "Stampa eseguita in data [DATE]"
        }]
      }
    ]
  }],
  "preview": {
    "zoom": 100,
    "buttons": ["print", "load", "save", "export", "zoom", "fullscreen", "outline",
                "thumbnails", "pagesetup", "edit", "navigator", "close"]
  }
})");
}
