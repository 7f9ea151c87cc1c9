-- Equipment: custom
-- Columns, in table order:
--   IDNUM, SAVENUM (= IDNUM), SAVE97 (the older number of the design files), NAME, ABBR (code name),
--   TECH (1 IS L1, 2 IS L2, 4 IS L3, 8 Clan L2, 16 Clan L3, 32 Mixed), TONS, CRITS, DMG (shots per ton
--   for ammunition), HEAT, MINRNG, SRT, MED, LNG, BV (per ton for ammunition), COST (per ton for
--   ammunition), OPTIONS (1 offensive, 2 direct fire, 4 can split, 8 uses Artemis, 16 removes
--   actuators, 32 append number, 64 ultra, 128 streak, 256 LB-X, 512 inventory, 2048 explosive),
--   INLIST, LOCS (1 H, 2 CT, 4 RT, 8 LT, 16 RA, 32 LA, 64 RL, 128 LL), DMGTXT,
--   CALCTONS, CALCCRITS, CALCHEAT, CALCDMG, CALCCOST, CALCBV (formulas; first letter H, Q or W rounds
--   up to the half ton, quarter or whole, R to the nearest whole (halves up), N leaves the value as
--   it is).

-- Custom energy weapons (samples), identifiers 2300 to 2399
INSERT INTO WepTable VALUES(2300,2300,0,'Prototype Medium Laser','ProtoMedLaser',32,1.5,1,5,4,0,3,6,9,40,60000.0,515,0,255,'5','','','','','','');

-- Custom ballistic weapons (samples), identifiers 2400 to 2499
INSERT INTO WepTable VALUES(2400,2400,0,'Prototype Light Rifle','ProtoRifle',32,3.0,2,3,1,0,4,8,12,24,50000.0,515,0,255,'3','','','','','','');

-- Custom ballistic ammunition (samples), identifiers 3000 to 3099
INSERT INTO WepTable VALUES(3000,3000,0,'@Prototype Light Rifle','@ProtoRifle',32,1.0,1,18,0,0,0,0,0,3,1000.0,2049,0,255,'18','','','','','','');
