#pragma once

#include "db/Result.h"

#include <gtest/gtest.h>

// What a read found, for tests that need the file to be readable; a failed read fails the
// test and gives an empty value.
template <class T>
T Value(const Result<T>& read) {
    EXPECT_TRUE(read.ok()) << read.status().message().toStdString();
    return read ? *read : T();
}
