#pragma once

namespace core {

// Something the worker may ask to repaint, from any thread. The request only
// marks the whole view for painting; painting itself happens on the thread
// that owns the view. Implementations coalesce: while one repaint is pending,
// further requests cost no more than one atomic operation.
class CView {
public:
    virtual ~CView() = default;
    virtual void InvalidateRect(bool bErase) = 0;
};

}  // namespace core
