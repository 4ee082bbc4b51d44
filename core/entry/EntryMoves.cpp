#include "entry/EntryMoves.h"

namespace {

bool onDiagonal(int cell) {
    return cell / 10 == cell % 10;
}

int rightOf(int cell) {
    int next = cell + 1;
    if (onDiagonal(next)) {
        ++next;
    }
    if (next % 10 >= 6) {
        next = (cell / 10 + 1) * 10;
    }
    return next >= 60 ? 1 : next;
}

int leftOf(int cell) {
    int next = cell - 1;
    if (next >= 0 && onDiagonal(next)) {
        --next;
    }
    if (next >= 0 && next % 10 == 9) {
        next -= 4;
    }
    return next < 0 ? 54 : next;
}

int verticalOf(int cell, int rows) {
    int next = cell + 10 * rows;
    if (next >= 0 && onDiagonal(next)) {
        next += 10 * rows;
    }
    return next > 0 && next < 60 ? next : -1;
}

}  // namespace

int EntryMoves::PoolStep(int cell, Direction direction) {
    switch (direction) {
        case Direction::Right:
            return rightOf(cell);
        case Direction::Left:
            return leftOf(cell);
        case Direction::Up:
            return verticalOf(cell, -1);
        case Direction::Down:
            return verticalOf(cell, 1);
    }
    return -1;
}

int EntryMoves::PoolMove(int cell, Direction direction, const Enabled& enabled) {
    int next = cell;
    for (int tries = 0; tries < 36; ++tries) {
        next = PoolStep(next, direction);
        if (next < 0 || next == cell) {
            return cell;
        }
        if (enabled(next)) {
            return next;
        }
    }
    return cell;
}

int EntryMoves::DualMove(int box, int step, const Enabled& enabled) {
    for (int next = box + step; next >= 0 && next <= 8 && step != 0; next += step) {
        if (enabled(next)) {
            return next;
        }
    }
    return box;
}
