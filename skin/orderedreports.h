#pragma once
// Decoding errors surface at the paint that first shows a picture. Decodes run on the pool and
// finish in any order, and a paint no longer waits for a slow one, so the image widgets of a
// window that report in a fixed order (the main picture, then the thumbnail slots) hold a
// decoding error back until every widget before them has shown its picture. Used from the GUI
// thread only.

#include <exception>

class TImage;

// Places image in the order (1 first); 0 takes it out. A widget leaves the order when it goes.
void SetReportOrder(TImage* image, int order);
int ReportOrder(const TImage* image);

// Reports the error through the error report once no widget before image still has a picture
// to show; at once (after the paint) for a widget outside the order.
void ReportInOrder(const TImage* image, std::exception_ptr error);

// Reports what may go now; called whenever a widget of the order has shown its picture, has
// been given another one, or was hidden.
void ReleaseOrderedReports();
