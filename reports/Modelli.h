#pragma once
// The report templates of the program, as declarative descriptions read by
// the report engine (output/Report.h). Each is a file NAME.json of this
// folder, its pictures NAME_object.png beside it, all listed in reports.qrc
// and loaded by name (output/ModelliReport.h).
//
// Description format (JSON):
//   report      the report's name
//   pages[]     name; paper [width, height] in mm, portrait (default "A4");
//               orientation "portrait"/"landscape"; margins [l, t, r, b] mm
//     bands[]   name; kind ReportTitle | PageHeader | MasterData | Footer |
//               PageFooter; top (designer position); height; split (may
//               continue on the next page)
//       objects[] type memo | line | frame | picture; name; left, top,
//               width, height in units (1/96 inch, 3.77953 per mm)
//         memo:    text (lines separated by "\n"); font {family, size (pt),
//                  bold, italic, underline}; color; fill; align left|center|
//                  right; valign top|center|bottom; lineHeight (units, 0 =
//                  the font's); gapX, gapY; expressions (replace "[DATE]");
//                  frame {sides "all" or letters ltrb, stroke, color}
//         line:    color, stroke (from left,top to left+width,top+height)
//         frame:   color ("none": no outline), stroke, fill, radius
//         picture: png (base64) or file (a path; ":/reports/..." for the
//                  pictures kept with the templates); keepAspect
//   preview     zoom; buttons the preview window shows (print, zoom,
//               fullscreen, navigator, close; the others are not offered)
//   script, progress, printer: recorded with the template, not used (the
//               report prints on the default printer; progress appears only
//               for long work)
#include <QByteArray>

// "Riepilogo dati" (RiepilogoDati.json): the landscape summary list (title,
// list body, footer with the date of printing). Every window that prints a
// list uses its own copy of it.
QByteArray ModelloRiepilogoDati();
