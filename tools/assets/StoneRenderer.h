// Draws a faceted stone mesh onto a canvas: turned and tipped, back facets culled, each
// visible facet flat-filled with the colour its lighting gives.
#pragma once

#include <functional>

#include "Canvas.h"
#include "GemMesh.h"

struct StoneView {
    Point centre;              // where the stone's centre lands on the canvas
    double spin = 0.0;         // turn about the stone's own axis, radians
    double tilt = 0.0;         // top edge tipped away from the viewer, radians
    double edgeOpacity = 0.0;  // how strongly the crown's facet edges catch the light
    Rgb edgeColour;            // the light those edges catch
};

// What a visible facet looks like, from its outward normal in view space (z towards the
// viewer) and its centre on the canvas.
using FacetShader = std::function<Rgb(Vec3 normal, Point centre)>;

void PaintStone(Canvas& canvas, const GemMesh& mesh, const StoneView& view,
                const FacetShader& shade);
