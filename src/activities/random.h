#pragma once

// Random numbers for the activities; seeded once from the clock.
class Random
{
public:
    Random();

    // An int in [low, high], from 15 random bits as the original arithmetic did.
    int range(int low, int high);
};
