#pragma once
// The silence and fade lengths a batch gives each output: head and tail
// silence as whole seconds and tenths, fades in whole seconds; 0 means none.
struct BatchTimes {
    int headSeconds = 0;
    int headTenths = 0;
    int tailSeconds = 0;
    int tailTenths = 0;
    int fadeInSeconds = 0;
    int fadeOutSeconds = 0;
};
