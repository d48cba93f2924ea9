#include "design_inputs.h"

#include "input_lists.h"
#include "shape_table.h"

namespace vantrel {

#define VANTREL_INPUT(name, kind)                                                         \
    InputField {                                                                          \
#name, InputKind::kind, [](DesignInputs & in) -> std::string& { return in.name; } \
    }
#define VANTREL_LOADS(name, kind)                                                                \
    InputField{#name "1", InputKind::kind,                                                       \
               [](DesignInputs& in) -> std::string& { return in.name[0]; }},                     \
        InputField{#name "2", InputKind::kind,                                                   \
                   [](DesignInputs& in) -> std::string& { return in.name[1]; }},                 \
        InputField {                                                                             \
#name "3", InputKind::kind, [](DesignInputs & in) -> std::string& { return in.name[2]; } \
    }

const std::array<InputField, 30> kInputFields = {{
    VANTREL_INPUT(Column, Text),
    VANTREL_INPUT(Grade, Text),
    VANTREL_INPUT(Beam, Text),
    VANTREL_INPUT(A, Text),
    VANTREL_INPUT(B, Text),
    VANTREL_INPUT(C, Text),
    VANTREL_INPUT(ORA, Text),
    VANTREL_INPUT(ORB, Text),
    VANTREL_INPUT(ORC, Text),
    VANTREL_INPUT(Length, Text),
    VANTREL_INPUT(Height, Text),
    VANTREL_INPUT(Description, Text),
    VANTREL_INPUT(FRAMETYPE, Text),
    VANTREL_LOADS(DistDL, Load),
    VANTREL_LOADS(DistLL, Load),
    VANTREL_LOADS(PointDL, Load),
    VANTREL_LOADS(PointLL, Load),
    VANTREL_LOADS(PointLoadLocation, Location),
    VANTREL_INPUT(ColumnAxialLoad, AxialLoad),
    VANTREL_INPUT(ColumnAbove, Text),
}};

#undef VANTREL_INPUT
#undef VANTREL_LOADS

std::string* DesignInputs::Find(std::string_view name) {
    for (const InputField& field : kInputFields) {
        if (field.name == name) return &field.Of(*this);
    }
    return nullptr;
}

const std::string* DesignInputs::Find(std::string_view name) const {
    return const_cast<DesignInputs*>(this)->Find(name);
}

DesignInputs NewDesignInputs() {
    DesignInputs inputs;
    inputs.Beam = std::string(ShapeName(0));
    inputs.Column = std::string(ShapeName(0));
    inputs.Grade = std::string(kGradeEntries[0].text);
    inputs.A = kDefaultCoefficientA;
    inputs.B = kDefaultCoefficientB;
    inputs.C = kDefaultCoefficientC;
    inputs.ORA = inputs.ORB = inputs.ORC = "0.000";
    inputs.Length = "15.00";
    inputs.Height = "8.00";
    inputs.FRAMETYPE = "SMRF";
    inputs.ColumnAxialLoad = "0.000";
    inputs.ColumnAbove = "No";
    for (LoadTexts* loads : {&inputs.DistDL, &inputs.DistLL, &inputs.PointDL, &inputs.PointLL})
        loads->fill("0.000");
    inputs.PointLoadLocation.fill("0.00");
    return inputs;
}

}  // namespace vantrel
