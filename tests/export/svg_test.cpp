// The SVG picture: texts as <text> in their face, turned and stretched to
// the widths the PDF uses, Japanese as UTF-8, colour or black.
#include <gtest/gtest.h>

#include "export/drawcontext.h"
#include "export/svgdc.h"
#include "export/svgexport.h"
#include "sheet/sheet.h"

TEST(Svg, TextsLinesAndColours)
{
    CSheet sheet(CSheet::kDrawing);
    sheet.NewText("Up & <away>", CPoint(1000, 1000), 100, 0x100 | 8);
    sheet.NewText("\x93\xFA\x96\x7B", CPoint(3000, 2000), 100, 8); // 日本
    sheet.NewWire(CPoint(0, 500), CPoint(2000, 500));
    const std::string color = RenderSheetToSvg(sheet, nullptr, 11000, 8000, true, CDrawContext());
    EXPECT_EQ(color.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg ", 0), 0u);
    EXPECT_NE(color.find("viewBox=\"0 0 11000 8000\""), std::string::npos);
    // Reading upwards from its anchor: turned -90 degrees about its start.
    EXPECT_NE(color.find("transform=\"rotate(-90 "), std::string::npos) << color;
    EXPECT_NE(color.find(">Up &amp; &lt;away&gt;</text>"), std::string::npos);
    EXPECT_NE(color.find(">\xE6\x97\xA5\xE6\x9C\xAC</text>"), std::string::npos);
    EXPECT_NE(color.find("font-family=\"'Arial', 'Liberation Sans', sans-serif\""),
              std::string::npos);
    EXPECT_NE(color.find("textLength=\"200\""), std::string::npos); // two ems at size 100
    // The wire at y 500 is at 7500 in the picture's downward units.
    EXPECT_NE(color.find("<line x1=\"0\" y1=\"7500\" x2=\"2000\" y2=\"7500\""), std::string::npos)
        << color;
    const std::string bw = RenderSheetToSvg(sheet, nullptr, 11000, 8000, false, CDrawContext());
    EXPECT_EQ(bw.find("stroke=\"#") == std::string::npos ? 0 : bw.find("stroke=\"#000000\""),
              bw.find("stroke=\"#"));
    EXPECT_EQ(CSVGDC::Color(RGB(255, 128, 0)), "#ff8000");
}
