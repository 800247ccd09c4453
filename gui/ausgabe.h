// "Ausgabe / Ausgabe": the export dialog with the plot options and preview.
#pragma once

void ExportdialogZeigen();
