#pragma once

// The two families of running activity codes.
namespace ActivityCode {

// A typed letter brings a word of that letter: signs, lips, finger-spelling.
constexpr bool isPresentation(int code)
{
    return code == 20 || code == 22 || code == 24;
}

// The program draws an item and judges what the child types.
constexpr bool isQuestion(int code)
{
    return code == 21 || code == 23 || code == 25 || code == 30 || code == 31;
}

} // namespace ActivityCode
