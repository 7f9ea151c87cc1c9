-- Equipment: energy
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

-- Inner Sphere energy weapons, identifiers 100 to 199
INSERT INTO WepTable VALUES(100,100,100,'Flamer'              ,'Flamer'      ,39, 1.0,1, 2, 3,0,1, 2, 3,  6,  7500.0,515,0,255,'2'     ,'','','','','','');
INSERT INTO WepTable VALUES(101,101,101,'Large Laser'         ,'LargeLaser'  ,39, 5.0,2, 8, 8,0,5,10,15,124,100000.0,515,0,255,'8'     ,'','','','','','');
INSERT INTO WepTable VALUES(102,102,102,'Medium Laser'        ,'MedLaser'    ,39, 1.0,1, 5, 3,0,3, 6, 9, 46, 40000.0,515,0,255,'5'     ,'','','','','','');
INSERT INTO WepTable VALUES(103,103,103,'Small Laser'         ,'SmallLaser'  ,39, 0.5,1, 3, 1,0,1, 2, 3,  9, 11250.0,515,0,255,'3'     ,'','','','','','');
INSERT INTO WepTable VALUES(104,104,104,'PPC'                 ,'PPC'         ,39, 7.0,3,10,10,3,6,12,18,176,200000.0,515,0,255,'10'    ,'','','','','','');
INSERT INTO WepTable VALUES(105,105,105,'Vehicle Flamer'      ,'VFlamer'     ,39, 0.5,1, 2, 3,0,1, 2, 3,  5,  7500.0,515,0,255,'2'     ,'','','','','','');
INSERT INTO WepTable VALUES(106,106,106,'ER Large Laser'      ,'ERLargeLaser',38, 5.0,2, 8,12,0,7,14,19,136,200000.0,515,0,255,'8'     ,'','','','','','');
INSERT INTO WepTable VALUES(107,107,107,'ER Medium Laser'     ,'ERMedLaser'  ,38, 1.0,1, 5, 5,0,4, 8,12, 62, 80000.0,515,0,255,'5'     ,'','','','','','');
INSERT INTO WepTable VALUES(108,108,108,'ER Small Laser'      ,'ERSmallLaser',38, 0.5,1, 3, 2,0,2, 4, 5, 17, 11250.0,515,0,255,'3'     ,'','','','','','');
INSERT INTO WepTable VALUES(109,109,109,'ER PPC'              ,'ERPPC'       ,38, 7.0,3,10,15,0,7,14,23,229,300000.0,515,0,255,'10'    ,'','','','','','');
INSERT INTO WepTable VALUES(110,110,110,'Large Pulse Laser'   ,'LargePulse'  ,38, 7.0,2, 9,10,0,3, 7,10,119,175000.0,515,0,255,'9'     ,'','','','','','');
INSERT INTO WepTable VALUES(111,111,111,'Medium Pulse Laser'  ,'MedPulse'    ,38, 2.0,1, 6, 4,0,2, 4, 6, 48, 60000.0,515,0,255,'6'     ,'','','','','','');
INSERT INTO WepTable VALUES(112,112,112,'Small Pulse Laser'   ,'SmallPulse'  ,38, 1.0,1, 3, 2,0,1, 2, 3, 12, 16000.0,515,0,255,'3'     ,'','','','','','');
INSERT INTO WepTable VALUES(113,113,113,'ER Flamer'           ,'ERFlamer'    ,38, 1.0,1, 2, 4,0,1, 3, 5, 16, 15000.0,515,0,255,'2'     ,'','','','','','');
INSERT INTO WepTable VALUES(114,114,114,'Light PPC'           ,'LightPPC'    ,38, 3.0,2, 5, 5,3,6,12,18, 88,150000.0,515,0,255,'5'     ,'','','','','','');
INSERT INTO WepTable VALUES(115,115,115,'Heavy PPC'           ,'HeavyPPC'    ,38,10.0,4,15,15,3,6,12,18,317,250000.0,519,0,255,'15'    ,'','','','','','');
INSERT INTO WepTable VALUES(116,116,116,'Snub-Nose PPC'       ,'SnubPPC'     ,38, 6.0,2,10,10,0,9,13,15,165,300000.0,515,0,255,'10/8/5','','','','','','');
INSERT INTO WepTable VALUES(117,117,117,'Binary Laser Cannon' ,'BinaryLaser' ,36, 9.0,4,12,16,0,5,10,15,222,200000.0,515,0,255,'12'    ,'','','','','','');
INSERT INTO WepTable VALUES(118,118,118,'Bombast Laser'       ,'Bombast'     ,36, 7.0,3,12,12,0,5,10,15,137,200000.0,515,0,255,'12V'   ,'','','','','','');
INSERT INTO WepTable VALUES(119,119,119,'Medium X-Pulse Laser','MedXPulse'   ,36, 2.0,1, 6, 6,0,3, 6, 9, 71,110000.0,515,0,255,'6'     ,'','','','','','');
INSERT INTO WepTable VALUES(120,120,120,'Small X-Pulse Laser' ,'SmallXPulse' ,36, 1.0,1, 3, 3,0,2, 4, 5, 21, 31000.0,515,0,255,'3'     ,'','','','','','');
INSERT INTO WepTable VALUES(121,121,121,'Large X-Pulse Laser' ,'LargeXPulse' ,36, 7.0,2, 9,14,0,5,10,15,178,275000.0,515,0,255,'9'     ,'','','','','','');

-- Clan energy weapons, identifiers 200 to 299
INSERT INTO WepTable VALUES(200,200,150,'ER Large Laser'       ,'ERLargeLaser' ,56, 4.0,1,10,12,0,8,15,25,248,200000.0,515,0,255,'10','','','','','','');
INSERT INTO WepTable VALUES(201,201,151,'ER Medium Laser'      ,'ERMedLaser'   ,56, 1.0,1, 7, 5,0,5,10,15,108, 80000.0,515,0,255,'7' ,'','','','','','');
INSERT INTO WepTable VALUES(202,202,152,'ER Small Laser'       ,'ERSmallLaser' ,56, 0.5,1, 5, 2,0,2, 4, 6, 31, 11250.0,515,0,255,'5' ,'','','','','','');
INSERT INTO WepTable VALUES(203,203,153,'ER PPC'               ,'ERPPC'        ,56, 6.0,2,15,15,0,7,14,23,412,300000.0,515,0,255,'15','','','','','','');
INSERT INTO WepTable VALUES(204,204,154,'Large Pulse Laser'    ,'LargePulse'   ,56, 6.0,2,10,10,0,6,14,20,265,175000.0,515,0,255,'10','','','','','','');
INSERT INTO WepTable VALUES(205,205,155,'Medium Pulse Laser'   ,'MedPulse'     ,56, 2.0,1, 7, 4,0,4, 8,12,111, 60000.0,515,0,255,'7' ,'','','','','','');
INSERT INTO WepTable VALUES(206,206,156,'Small Pulse Laser'    ,'SmallPulse'   ,56, 1.0,1, 3, 2,0,2, 4, 6, 24, 16000.0,515,0,255,'3' ,'','','','','','');
INSERT INTO WepTable VALUES(207,207,157,'Flamer'               ,'Flamer'       ,56, 0.5,1, 2, 3,0,1, 2, 3,  6,  7500.0,515,0,255,'2' ,'','','','','','');
INSERT INTO WepTable VALUES(208,208,158,'ER Micro Laser'       ,'ERMicroLaser' ,56,0.25,1, 2, 1,0,1, 2, 4,  7, 10000.0,515,0,255,'2' ,'','','','','','');
INSERT INTO WepTable VALUES(209,209,159,'Micro Pulse Laser'    ,'MicroPulse'   ,56, 0.5,1, 3, 1,0,1, 2, 3, 12, 12500.0,515,0,255,'3' ,'','','','','','');
INSERT INTO WepTable VALUES(210,210,160,'Heavy Large Laser'    ,'HvyLargeLaser',56, 4.0,3,16,18,0,5,10,15,244,250000.0,515,0,255,'16','','','','','','');
INSERT INTO WepTable VALUES(211,211,161,'Heavy Medium Laser'   ,'HvyMedLaser'  ,56, 1.0,2,10, 7,0,3, 6, 9, 76,100000.0,515,0,255,'10','','','','','','');
INSERT INTO WepTable VALUES(212,212,162,'Heavy Small Laser'    ,'HvySmallLaser',56, 0.5,1, 6, 3,0,1, 2, 3, 15, 20000.0,515,0,255,'6' ,'','','','','','');
INSERT INTO WepTable VALUES(213,213,163,'ER Flamer'            ,'ERFlamer'     ,56, 1.0,1, 2, 4,0,1, 3, 5, 16, 15000.0,515,0,255,'2' ,'','','','','','');
INSERT INTO WepTable VALUES(214,214,164,'ER Large Pulse Laser' ,'ERLargePulse' ,48, 6.0,3,10,13,0,7,15,23,272,400000.0,515,0,255,'10','','','','','','');
INSERT INTO WepTable VALUES(215,215,165,'ER Medium Pulse Laser','ERMedPulse'   ,48, 2.0,2, 7, 6,0,5, 9,14,117,150000.0,515,0,255,'7' ,'','','','','','');
INSERT INTO WepTable VALUES(216,216,166,'ER Small Pulse Laser' ,'ERSmallPulse' ,48, 1.5,1, 5, 3,0,2, 4, 6, 36, 30000.0,515,0,255,'5' ,'','','','','','');
