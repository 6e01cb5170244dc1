#pragma once

// Makes the component set's classes known to the design loader. Safe to call
// more than once.
void RegisterSetupCtrls();
