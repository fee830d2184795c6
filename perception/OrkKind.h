#pragma once

// How an ork moves, is heard, sees, strikes, grows keener and is hurt: the
// one place to tune the orks. Distances are world pixels, times are ticks,
// angles degrees. The code reads `Ork`.
struct OrkKind {
    // Moving: toward its target, faster while charging.
    double walkSpeed = 6.0;
    double chargeSpeed = 24.0;
    double normaliseBeyond = 1.0;   // this near its target, the offset is not scaled to unit length
    double arrivalDistance = 40.0;  // nearer its target than this, it picks a new one
    double stuckDistance = 60.0;    // this near its newest print when the step timer wraps: stuck
    double probeReach = 15.0;       // its wall probes, and each push out of rock
    double separationDistance = 60.0;  // two orks nearer than this are pushed apart to it
    double samePlaceDistance = 0.1;    // nearer than this, there is no line to push along
    double startTargetY = 30.0;        // every slot's target until it first wanders
    // A new target lies straight on past the newest print, plus an offset of
    // (wanderCentre - rand() % wanderSpread) whole tiles on each axis.
    int wanderAttempts = 5;
    int wanderSpread = 20;
    int wanderCentre = 9;

    // Footprints: laid at a life of footprintLife, drawn in three frames
    // by age, and gone at faintPrintAbove and below.
    int footprintLife = 120;
    int freshPrintAbove = 90;
    int fadingPrintAbove = 60;
    int faintPrintAbove = 30;

    // The step timer counts down every tick and wraps from below 0 to
    // stepWrapPhase, laying a print then and at secondStepPhase.
    int stepWrapPhase = 16;
    int freshSlotPhases = 16;  // a fresh slot starts at i mod this, never on the wrap
    int secondStepPhase = 8;
    int quietStepPhase = 1;    // heard only from an ork that walks freely
    int loudStepPhase = 9;     // heard even from one winding up a strike
    int deadStepPhase = 3;     // keeps a corpse off both footstep phases
    double waterStepRange = 600.0;  // on debris, the debris kind's own range

    // Seeing the elf: it charges at it for sightChargeTicks. Until the
    // horde's first tick it sees as far and wide as the start values.
    double startSightRange = 100.0;
    double startSightHalfAngle = 30.0;
    int sightChargeTicks = 15;

    // Striking: winding up when the elf is within strikeReach, the attack
    // timer set to the attack pause and counted down to 0.
    double strikeReach = 100.0;
    double strikeNoiseRange = 300.0;
    int startAttackPause = 18;
    int raisedArmFrom = 12;  // timer at this and up: arm raised; from swingFrom: swinging
    int swingFrom = 6;
    int strikePhase = 10;    // the blow lands or misses on this tick
    int rearmBelow = 3;      // a new wind-up only once the timer is below this

    // Growing keener as the horde thins out: each value is its base plus
    // (or less) its gain times the dead over the count, in whole numbers.
    int baseSightRange = 200;
    int sightRangeGain = 250;
    int baseSightHalfAngle = 20;
    int sightHalfAngleGain = 50;
    int baseAttackPause = 17;
    int attackPauseLoss = 6;

    // Hurt: a level places it in up to placementTries with freshHealth;
    // a dagger nearer than hitDistance takes one point and sets it charging.
    int freshHealth = 2;
    int placementTries = 100;
    double hitDistance = 55.0;
    double hurtCryRange = 600.0;
    int hitChargeTicks = 30;
};

constexpr OrkKind Ork{};
