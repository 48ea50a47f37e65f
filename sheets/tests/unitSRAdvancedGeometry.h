#pragma once
// Skills review: advanced geometry. Twenty questions on angles (complements,
// supplements, the angles of triangles and quadrilaterals, the angle α of a
// figure), perimeter and area of rectangles, triangles, parallelograms,
// trapezoids, composite shapes and circles, similar figures and the
// Pythagorean theorem; eleven of them read their measures off a figure.
#include "sheets/SheetContent.h"
#include "sheets/unitMasterTest.h"

namespace tv {

class TfrmSRAdvancedGeometry : public TfrmTestMaster {
    Q_OBJECT
public:
    explicit TfrmSRAdvancedGeometry(ActivityHost& host);
    static const sheet::SheetContent& content();
};

} // namespace tv
