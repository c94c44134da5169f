// Ecliptic longitudes of the sun and the moon from short trigonometric series.
// Which civil day a solar term or a new moon falls on depends on every bit of
// these coefficients and of the order of the arithmetic.
#pragma once

// One row of a series: amplitude (degrees), phase (degrees), rate (degrees per year).
struct SeriesTerm {
    double amplitude;
    double phase;
    double rate;
};

constexpr int sokno = 10;
constexpr int mokno = 13;

// Row 0 is the mean longitude; rows 1..n the periodic terms.
extern const SeriesTerm sok[sokno + 1];
extern const SeriesTerm mok[mokno + 1];

// *longitude receives the sun's ecliptic longitude at time argument t, in [0, 360). Returns 0.
int calcsn(double* longitude, double t);

// *longitude receives the moon's ecliptic longitude at time argument t, in [0, 360). Returns 0.
int calcmok(double* longitude, double t);
