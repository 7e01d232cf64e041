#pragma once

#include <string>

namespace kvf::bench {

// A slave file with `definitions` parameter definitions (a tenth as many text tables, each
// definition naming one), one reference to each definition in the unit's telegram, and
// modules with references and constants of their own.
std::string ParameterKvf(int definitions);

// A slave file with `bits` diagnosis bits: unit bits with help texts and areas with values,
// the rest as extended bits with help texts in UnitDiagType blocks of 400 bits, and modules
// with channel diagnosis types.
std::string DiagnosisKvf(int bits);

} // namespace kvf::bench
