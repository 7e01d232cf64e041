#pragma once

namespace kvf {

// The layouts of the input view, named after what each shows. Each keeps its layout number
// (FormKind 0-12).
enum class InputForm {
    None = 0,         // the picture only: nothing to edit
    String = 1,       // a multi-line text field
    Number = 2,       // a digits-only field
    ThreeChoices = 3, // three radio buttons
    TwoChoices = 4,   // two radio buttons
    Feature = 5,      // a check box: the device supports (or requests) the feature
    Module = 6,       // the module name and its configuration identifiers
    HelpOnly = 7,     // block keywords: nothing but the help
    BitLine = 8,      // area, default and allowed values with the data type list
    DataTypeLine = 9, // default and allowed values with the data type list
    TwoNumbers = 10,  // two small number fields
    IndexText = 11,   // an index (or offset, or reference) and a text
    Slot = 12,        // slot number, default and allowed references, and the slot name
};

// The layouts with a data type list: the keyword is the data type name, and a store writes
// the line in the shape of the type the list chose.
constexpr bool ChoosesDataType(InputForm form) {
    return form == InputForm::BitLine || form == InputForm::DataTypeLine;
}

} // namespace kvf
