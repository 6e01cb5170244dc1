#pragma once

// Designs name the fonts of the platform they were made on. This maps those
// names onto installed fonts of about the same width; safe to call repeatedly.
void InstallFontSubstitutes();
