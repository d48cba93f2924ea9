#include "design_inputs.h"

#include "input_lists.h"
#include "shape_table.h"

namespace vantrel {

#define VANTREL_INPUT(name, kind) \
    InputField { #name, &DesignInputs::name, InputKind::kind }

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
    VANTREL_INPUT(DistDL1, Load),
    VANTREL_INPUT(DistDL2, Load),
    VANTREL_INPUT(DistDL3, Load),
    VANTREL_INPUT(DistLL1, Load),
    VANTREL_INPUT(DistLL2, Load),
    VANTREL_INPUT(DistLL3, Load),
    VANTREL_INPUT(PointDL1, Load),
    VANTREL_INPUT(PointDL2, Load),
    VANTREL_INPUT(PointDL3, Load),
    VANTREL_INPUT(PointLL1, Load),
    VANTREL_INPUT(PointLL2, Load),
    VANTREL_INPUT(PointLL3, Load),
    VANTREL_INPUT(PointLoadLocation1, Location),
    VANTREL_INPUT(PointLoadLocation2, Location),
    VANTREL_INPUT(PointLoadLocation3, Location),
    VANTREL_INPUT(ColumnAxialLoad, AxialLoad),
    VANTREL_INPUT(ColumnAbove, Text),
}};

#undef VANTREL_INPUT

std::string* DesignInputs::Find(std::string_view name) {
    for (const InputField& field : kInputFields) {
        if (field.name == name) return &(this->*field.member);
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
    for (const InputField& field : kInputFields) {
        if (field.kind == InputKind::Load) inputs.*field.member = "0.000";
        if (field.kind == InputKind::Location) inputs.*field.member = "0.00";
    }
    return inputs;
}

}  // namespace vantrel
