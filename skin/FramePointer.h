// Pointer tracking and the non-client mouse dispatch to the frame's objects: which object is under the
// pointer, which holds the press, and what each mouse message makes the objects do. The Win32 frame
// feeds it window-relative points and hit codes and carries out the result (capture, redraws, timers,
// commands, events).
#pragma once

#include <utility>
#include <vector>

#include "skin/FrameButtons.h"
#include "skin/FrameHitTest.h"

namespace vireltan {

struct PointerResult {
    std::vector<std::pair<int, ObjectReaction>> reactions;  // object index and its reaction, in order
    PixelPoint point;                                       // the point the events carry
    bool setCapture = false;
    bool releaseCapture = false;
    bool systemMenuAtCursor = false;                   // right press on the caption
    FrameCommand captionCommand = FrameCommand::None;  // double click on the caption
    bool stopTrackTimer = false;
};

class FramePointer {
  public:
    int active = -1;
    int previous = -1;
    int captured = -1;
    bool inSizeMove = false;

    // TrackActiveObject (only with objects and the frame active).
    PointerResult track(FrameLayout& layout, PixelPoint p, bool inside, bool frameActive,
                        const ObjectContext& c);
    // TrackTimer's tick with the cursor made window-relative.
    PointerResult trackTimer(FrameLayout& layout, PixelPoint cursor, bool frameActive,
                             const ObjectContext& c);

    PointerResult ncMouseMove(FrameLayout& layout, PixelPoint p);
    PointerResult ncButtonDown(FrameLayout& layout, PixelPoint p, MouseButton b, FrameHit hit,
                               bool frameActive, const ObjectContext& c);
    PointerResult ncButtonUp(FrameLayout& layout, PixelPoint p, MouseButton b, const ObjectContext& c);
    PointerResult ncDoubleClick(FrameLayout& layout, PixelPoint p, MouseButton b, FrameHit hit,
                                const CaptionDoubleClick& window, bool frameActive, const ObjectContext& c);
    // WM_LBUTTONUP / WM_RBUTTONUP over the client area while an object holds the capture.
    PointerResult clientButtonUp(FrameLayout& layout, MouseButton b, const ObjectContext& c);

    // WM_ENTERSIZEMOVE: hover states reset, nothing active or captured, the size-move flag set.
    void enterSizeMove(FrameLayout& layout);
    // WM_EXITSIZEMOVE and every skin application: nothing active, previous or captured.
    void forget();

  private:
    PointerResult press(FrameLayout& layout, PixelPoint p, MouseButton b, bool frameActive,
                        const ObjectContext& c);
};

}  // namespace vireltan
