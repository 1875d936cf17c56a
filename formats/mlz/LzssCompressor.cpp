#include "formats/mlz/LzssCompressor.h"

namespace vn {

void LzssCompressor::ResetTree() {
    for (int i = N + 1; i <= N + 256; ++i) right_[i] = Nil;
    for (int i = 0; i < N; ++i) parent_[i] = Nil;
}

void LzssCompressor::InsertNode(int r) {
    const uint8_t* key = &window_[r];
    int cmp = 1;
    int p = N + 1 + key[0];
    right_[r] = left_[r] = Nil;
    matchLength_ = 0;
    for (;;) {
        if (cmp >= 0) {
            if (right_[p] == Nil) {
                right_[p] = r;
                parent_[r] = p;
                return;
            }
            p = right_[p];
        } else {
            if (left_[p] == Nil) {
                left_[p] = r;
                parent_[r] = p;
                return;
            }
            p = left_[p];
        }
        int i = 1;
        for (; i < F; ++i) {
            cmp = key[i] - window_[p + i];
            if (cmp != 0) break;
        }
        // Only a strictly longer match wins, so the first met among equals stays.
        if (i > matchLength_) {
            matchPosition_ = p;
            matchLength_ = i;
            if (i >= F) break;
        }
    }
    // Full-length match: r takes p's place in the tree.
    parent_[r] = parent_[p];
    left_[r] = left_[p];
    right_[r] = right_[p];
    parent_[left_[p]] = r;
    parent_[right_[p]] = r;
    if (right_[parent_[p]] == p) {
        right_[parent_[p]] = r;
    } else {
        left_[parent_[p]] = r;
    }
    parent_[p] = Nil;
}

void LzssCompressor::DeleteNode(int p) {
    if (parent_[p] == Nil) return;
    int q;
    if (right_[p] == Nil) {
        q = left_[p];
    } else if (left_[p] == Nil) {
        q = right_[p];
    } else {
        q = left_[p];
        if (right_[q] != Nil) {
            do {
                q = right_[q];
            } while (right_[q] != Nil);
            right_[parent_[q]] = left_[q];
            parent_[left_[q]] = parent_[q];
            left_[q] = left_[p];
            parent_[left_[p]] = q;
        }
        right_[q] = right_[p];
        parent_[right_[p]] = q;
    }
    parent_[q] = parent_[p];
    if (right_[parent_[p]] == p) {
        right_[parent_[p]] = q;
    } else {
        left_[parent_[p]] = q;
    }
    parent_[p] = Nil;
}

std::optional<std::vector<uint8_t>> LzssCompressor::Compress(std::span<const uint8_t> source) {
    if (source.empty()) return std::nullopt;
    window_.fill(0);
    ResetTree();

    size_t next = 0;  // next source byte to enter the window
    int s = 0;
    int r = N - F;
    int lookAhead = 0;
    while (lookAhead < F && next < source.size()) window_[r + lookAhead++] = source[next++];
    for (int i = 1; i <= F; ++i) InsertNode(r - i);
    InsertNode(r);

    std::vector<uint8_t> out;
    out.reserve(source.size() + source.size() / 8 + 2);
    uint8_t group[1 + 8 * 2];
    int groupLength = 1;
    uint8_t mask = 1;
    group[0] = 0;
    do {
        if (matchLength_ > lookAhead) matchLength_ = lookAhead;
        if (matchLength_ < 2) {
            matchLength_ = 1;
            group[0] |= mask;
            group[groupLength++] = window_[r];
        } else {
            group[groupLength++] = static_cast<uint8_t>(matchPosition_ & 0xFF);
            group[groupLength++] =
                static_cast<uint8_t>(((matchPosition_ >> 4) & 0xF0) | (matchLength_ - 2));
        }
        mask = static_cast<uint8_t>(mask << 1);
        if (mask == 0) {
            out.insert(out.end(), group, group + groupLength);
            group[0] = 0;
            groupLength = 1;
            mask = 1;
        }
        const int consumed = matchLength_;
        int i = 0;
        for (; i < consumed && next < source.size(); ++i) {
            DeleteNode(s);
            const uint8_t c = source[next++];
            window_[s] = c;
            if (s < F - 1) window_[s + N] = c;
            s = (s + 1) & (N - 1);
            r = (r + 1) & (N - 1);
            InsertNode(r);
        }
        for (; i < consumed; ++i) {
            DeleteNode(s);
            s = (s + 1) & (N - 1);
            r = (r + 1) & (N - 1);
            if (--lookAhead != 0) InsertNode(r);
        }
    } while (lookAhead > 0);
    if (groupLength > 1) out.insert(out.end(), group, group + groupLength);
    return out;
}

}  // namespace vn
