// The sections of `orvane-tools demo`, one per subsystem, each in its own file.
#ifndef ORVANE_CLI_DEMO_H
#define ORVANE_CLI_DEMO_H

namespace cli {

// Each section prints to standard output.
void demoEvaluator();
void demoEvents();
void demoNumerics();
void demoPolynomials();
void demoUnits();
void demoText();

}  // namespace cli

#endif
