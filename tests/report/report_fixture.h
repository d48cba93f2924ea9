#pragma once
// A report written on the recording canvas, and the recording canvas's
// metrics in the units of the page, for assertions on positions.

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "report/print_report.h"
#include "report/recording_canvas.h"
#include "support/design_fixture.h"

namespace vantrel::test {

inline constexpr double kW = 4800;  // RecordingCanvas's default page
inline constexpr double kH = 6300;
inline constexpr double kU = kW / 100;
inline constexpr double kV = kH / 100;
inline constexpr const char* kDateTime = "2026-12-06 16:45";

// The recording canvas's width of a text and height of a line at a size.
inline double Width(std::string_view text, double size) {
    size_t points = 0;
    for (char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++points;
    return static_cast<double>(points) * size * RecordingCanvas::kCharWidthPerPoint;
}
inline double LineHeight(double size) {
    return size * RecordingCanvas::kLineHeightPerPoint;
}

struct Printed {
    Calculated calc;
    RecordingCanvas canvas;
    ReportResult result;
};

// Calculates the inputs, then writes the report of what the calculation left.
inline void Print(Printed& printed, const DesignInputs& inputs,
                  const std::string& documentName = "New Untitled") {
    Run(printed.calc, inputs);
    const ReportSource source{
        inputs, printed.calc.state, documentName, kDateTime,
        EvaluateSection(inputs, printed.calc.record(), !printed.calc.errors.errors.empty())};
    printed.result = WriteReport(printed.canvas, source);
}

// The text op on the page, failing the test when it is missing.
inline const CanvasOp& TextOn(const Printed& printed, std::string_view text, int page) {
    const CanvasOp* op = printed.canvas.FindText(text, page);
    if (!op) {
        ADD_FAILURE() << "no text \"" << text << "\" on page " << page << "\n"
                      << printed.canvas.Dump();
        static const CanvasOp kMissing{CanvasOpKind::Text};
        return kMissing;
    }
    return *op;
}

// The test name of a case with a `name` member.
template <typename Case>
std::string CaseName(const ::testing::TestParamInfo<Case>& param) {
    return param.param.name;
}

// The index of the first text op with the text, or texts.size().
inline size_t IndexOf(const std::vector<const CanvasOp*>& texts, std::string_view text) {
    size_t i = 0;
    while (i < texts.size() && texts[i]->text != text) ++i;
    return i;
}

}  // namespace vantrel::test
