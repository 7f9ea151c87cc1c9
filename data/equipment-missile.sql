-- Equipment: missile
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

-- Inner Sphere long-range missile launchers, identifiers 500 to 599
INSERT INTO WepTable VALUES(500,500,300,'LRM 5'             ,'LRM-5'  ,39, 2.0,1, 5, 2, 6, 7,14,21, 47, 30000.0,521,0,255,'1/Msl','','','','','','');
INSERT INTO WepTable VALUES(501,501,301,'LRM 10'            ,'LRM-10' ,39, 5.0,2,10, 4, 6, 7,14,21, 90,100000.0,521,0,255,'1/Msl','','','','','','');
INSERT INTO WepTable VALUES(502,502,302,'LRM 15'            ,'LRM-15' ,39, 7.0,3,15, 5, 6, 7,14,21,136,175000.0,521,0,255,'1/Msl','','','','','','');
INSERT INTO WepTable VALUES(503,503,303,'LRM 20'            ,'LRM-20' ,39,10.0,5,20, 6, 6, 7,14,21,181,250000.0,521,0,255,'1/Msl','','','','','','');
INSERT INTO WepTable VALUES(504,504,304,'MRM 10'            ,'MRM-10' ,38, 3.0,2,10, 4, 0, 3, 8,15, 56, 50000.0,513,0,255,'1/Msl','','','','','','');
INSERT INTO WepTable VALUES(505,505,305,'MRM 20'            ,'MRM-20' ,38, 7.0,3,20, 6, 0, 3, 8,15,112,125000.0,513,0,255,'1/Msl','','','','','','');
INSERT INTO WepTable VALUES(506,506,306,'MRM 30'            ,'MRM-30' ,38,10.0,5,30,10, 0, 3, 8,15,168,225000.0,513,0,255,'1/Msl','','','','','','');
INSERT INTO WepTable VALUES(507,507,307,'MRM 40'            ,'MRM-40' ,38,12.0,7,40,12, 0, 3, 8,15,224,350000.0,517,0,255,'1/Msl','','','','','','');
INSERT INTO WepTable VALUES(508,508,308,'Rocket Launcher 10','RL-10'  ,38, 0.5,1,10, 3, 0, 5,11,18, 18, 15000.0,513,0,255,'1/Msl','','','','','','');
INSERT INTO WepTable VALUES(509,509,309,'Rocket Launcher 15','RL-15'  ,38, 1.0,2,15, 4, 0, 4, 9,15, 23, 30000.0,513,0,255,'1/Msl','','','','','','');
INSERT INTO WepTable VALUES(510,510,310,'Rocket Launcher 20','RL-20'  ,38, 1.5,3,20, 5, 0, 3, 7,12, 24, 45000.0,513,0,255,'1/Msl','','','','','','');
INSERT INTO WepTable VALUES(511,511,311,'Extended LRM 5'    ,'ELRM-5' ,36, 6.0,1, 5, 3,10,12,22,38, 67, 60000.0,513,0,255,'1/Msl','','','','','','');
INSERT INTO WepTable VALUES(512,512,312,'Extended LRM 10'   ,'ELRM-10',36, 8.0,4,10, 6,10,12,22,38,133,200000.0,513,0,255,'1/Msl','','','','','','');
INSERT INTO WepTable VALUES(513,513,313,'Extended LRM 15'   ,'ELRM-15',36,12.0,6,15, 8,10,12,22,38,200,350000.0,513,0,255,'1/Msl','','','','','','');
INSERT INTO WepTable VALUES(514,514,314,'Extended LRM 20'   ,'ELRM-20',36,18.0,8,20,10,10,12,22,38,268,500000.0,517,0,255,'1/Msl','','','','','','');

-- Clan long-range missile launchers, identifiers 600 to 699
INSERT INTO WepTable VALUES(600,600,350,'LRM 5'        ,'LRM-5'       ,56, 1.0,1, 5,2,0,7,14,21, 55, 30000.0,521,0,255,'1/Msl','','','','','','');
INSERT INTO WepTable VALUES(601,601,351,'LRM 10'       ,'LRM-10'      ,56, 2.5,1,10,4,0,7,14,21,109,100000.0,521,0,255,'1/Msl','','','','','','');
INSERT INTO WepTable VALUES(602,602,352,'LRM 15'       ,'LRM-15'      ,56, 3.5,2,15,5,0,7,14,21,164,175000.0,521,0,255,'1/Msl','','','','','','');
INSERT INTO WepTable VALUES(603,603,353,'LRM 20'       ,'LRM-20'      ,56, 5.0,4,20,6,0,7,14,21,220,250000.0,521,0,255,'1/Msl','','','','','','');
INSERT INTO WepTable VALUES(604,604,354,'ATM 3'        ,'ATM-3'       ,56, 1.5,2, 6,2,4,5,10,15, 53, 75000.0,513,0,255,'2/Msl','','','','','','');
INSERT INTO WepTable VALUES(605,605,355,'ATM 6'        ,'ATM-6'       ,56, 3.5,3,12,4,4,5,10,15,105,150000.0,513,0,255,'2/Msl','','','','','','');
INSERT INTO WepTable VALUES(606,606,356,'ATM 9'        ,'ATM-9'       ,56, 5.0,4,18,6,4,5,10,15,147,225000.0,513,0,255,'2/Msl','','','','','','');
INSERT INTO WepTable VALUES(607,607,357,'ATM 12'       ,'ATM-12'      ,56, 7.0,5,24,8,4,5,10,15,212,350000.0,513,0,255,'2/Msl','','','','','','');
INSERT INTO WepTable VALUES(608,608,358,'Streak LRM 5' ,'StreakLRM-5' ,48, 2.0,1, 5,2,0,7,14,21, 87, 60000.0,641,0,255,'1/Msl','','','','','','');
INSERT INTO WepTable VALUES(609,609,359,'Streak LRM 10','StreakLRM-10',48, 5.0,2,10,4,0,7,14,21,173,200000.0,641,0,255,'1/Msl','','','','','','');
INSERT INTO WepTable VALUES(610,610,360,'Streak LRM 15','StreakLRM-15',48, 7.0,3,15,5,0,7,14,21,260,350000.0,641,0,255,'1/Msl','','','','','','');
INSERT INTO WepTable VALUES(611,611,361,'Streak LRM 20','StreakLRM-20',48,10.0,5,20,6,0,7,14,21,346,500000.0,641,0,255,'1/Msl','','','','','','');

-- Inner Sphere short-range missile launchers, identifiers 700 to 799
INSERT INTO WepTable VALUES(700,700,400,'SRM 2'                 ,'SRM-2'      ,39,1.0,1, 4,2,0,3,6, 9, 21, 10000.0,521,0,255,'2/Msl','','','','','','');
INSERT INTO WepTable VALUES(701,701,401,'SRM 4'                 ,'SRM-4'      ,39,2.0,1, 8,3,0,3,6, 9, 39, 60000.0,521,0,255,'2/Msl','','','','','','');
INSERT INTO WepTable VALUES(702,702,402,'SRM 6'                 ,'SRM-6'      ,39,3.0,2,12,4,0,3,6, 9, 59, 80000.0,521,0,255,'2/Msl','','','','','','');
INSERT INTO WepTable VALUES(703,703,403,'Streak SRM 2'          ,'StreakSRM-2',38,1.5,1, 4,2,0,3,6, 9, 30, 15000.0,641,0,255,'2/Msl','','','','','','');
INSERT INTO WepTable VALUES(704,704,404,'Streak SRM 4'          ,'StreakSRM-4',38,3.0,1, 8,3,0,3,6, 9, 59, 90000.0,641,0,255,'2/Msl','','','','','','');
INSERT INTO WepTable VALUES(705,705,405,'Streak SRM 6'          ,'StreakSRM-6',38,4.5,2,12,4,0,3,6, 9, 89,120000.0,641,0,255,'2/Msl','','','','','','');
INSERT INTO WepTable VALUES(706,706,406,'Homing Beacon Launcher','Beacon'     ,38,3.0,2, 0,0,0,3,6, 9, 30,100000.0,513,0,255,'Pod'  ,'','','','','','');
INSERT INTO WepTable VALUES(707,707,407,'Improved Homing Beacon','ImpBeacon'  ,38,5.0,3, 0,0,0,4,9,15, 75,250000.0,513,0,255,'Pod'  ,'','','','','','');

-- Clan short-range missile launchers, identifiers 800 to 899
INSERT INTO WepTable VALUES(800,800,450,'SRM 2'                 ,'SRM-2'      ,56,0.5,1, 4,2,0,3,6, 9, 21, 10000.0,521,0,255,'2/Msl','','','','','','');
INSERT INTO WepTable VALUES(801,801,451,'SRM 4'                 ,'SRM-4'      ,56,1.0,1, 8,3,0,3,6, 9, 39, 60000.0,521,0,255,'2/Msl','','','','','','');
INSERT INTO WepTable VALUES(802,802,452,'SRM 6'                 ,'SRM-6'      ,56,1.5,1,12,4,0,3,6, 9, 59, 80000.0,521,0,255,'2/Msl','','','','','','');
INSERT INTO WepTable VALUES(803,803,453,'Streak SRM 2'          ,'StreakSRM-2',56,1.0,1, 4,2,0,4,8,12, 40, 15000.0,641,0,255,'2/Msl','','','','','','');
INSERT INTO WepTable VALUES(804,804,454,'Streak SRM 4'          ,'StreakSRM-4',56,2.0,1, 8,3,0,4,8,12, 79, 90000.0,641,0,255,'2/Msl','','','','','','');
INSERT INTO WepTable VALUES(805,805,455,'Streak SRM 6'          ,'StreakSRM-6',56,3.0,2,12,4,0,4,8,12,119,120000.0,641,0,255,'2/Msl','','','','','','');
INSERT INTO WepTable VALUES(806,806,456,'Homing Beacon Launcher','Beacon'     ,56,2.0,1, 0,0,0,4,8,12, 30,100000.0,513,0,255,'Pod'  ,'','','','','','');
