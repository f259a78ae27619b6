#pragma once
// Prints the shown picture with the selected entry's title on one A4 sheet on the default
// printer. Run by the print confirmation's yes area, which closes when this returns.

class SelectedEntry;
class TForm4;

// The selected entry's title (an empty caption when there is no entry) and a copy of the shown
// picture go onto the print page, which is printed at once. Raises EPrinter when no printer
// is installed, when none is the default, or when the printer refuses the job; what was set on
// the page stays. Returns normally when the user cancels in the progress window before the
// page is sent.
void PrintShownPicture(TForm4& page, const SelectedEntry& selected);
