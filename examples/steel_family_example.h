// The steel-family members of the example project: light steel, grid, pole
// and tower, aluminium alloy, high-rise (with an energy-dissipating member),
// open truss, composite and concrete-filled members.
#pragma once

namespace example {

class ExampleProject;

void AddSteelFamilyExample(ExampleProject& project);

}  // namespace example
